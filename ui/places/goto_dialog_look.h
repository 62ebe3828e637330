// Look of the go-to dialogs: aqua labels on a framed panel, and the sky grey of the
// chart as the background whenever the dialog becomes active.
#pragma once

class QLabel;
class QWidget;

void PaintGoToBackground(QWidget* dialog);  // sky grey level of the chart
void MakeGoToLabel(QLabel* label);          // aqua text
