// "Exportieren…" of the pass list window: the listed passes as a calendar (iCalendar,
// one event per pass with a visible part) or a table (CSV), the kind chosen by the file
// type of the dialog or by the file name's ending.
#pragma once

class QWidget;

// Asks for the file and writes it; every failure and every pass left out of a calendar
// is said in a message. Returns true when a file was written.
bool ExportPassList(QWidget* parent);
