// "Speichern unter" for the pass and orbit-class lists: asks for a file name, writes
// the text there through a temporary file that replaces the old one only when it is
// complete, and reports a failed write as "E/A-Fehler: ..." (saying that an existing
// file was kept). The working folder is the same afterwards as before.
#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

// text is called only once a file name was chosen. Returns the name of the file
// written, empty when cancelled or failed.
QString SaveTextAs(QWidget* parent, const std::function<std::string()>& text);

// The writing of SaveTextAs alone, for a file name chosen elsewhere (relative to the
// working folder): false when it failed, after the message.
bool WriteTextFile(QWidget* parent, const QString& fileName, const std::string& text);
