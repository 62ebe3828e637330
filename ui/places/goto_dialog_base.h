// Parts the two go-to dialogs share: the raised panel with its grid of aqua labels
// and fields, the "OK"/"Abbrechen" row under it, and what happens when the dialog is
// shown or becomes active.
#pragma once

#include <functional>

class QDialog;
class QEvent;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;

struct GoToPanel {
    QFrame* frame = nullptr;
    QGridLayout* grid = nullptr;
    QLabel* Label(const char* text) const;  // a new aqua label on the panel (UTF-8 text)
};

// The raised panel of the dialog; fill its grid, then call AddGoToButtons.
GoToPanel MakeGoToPanel(QDialog* dialog);

// The button row and the dialog's layout: "OK" (default) calls accept, "Abbrechen"
// hides the dialog.
void AddGoToButtons(QDialog* dialog, QFrame* panel, const std::function<void()>& accept);

// After QDialog::showEvent: the zoom window stays open, the sky grey background, and
// the focus on the first field.
void GoToDialogShown(QDialog* dialog, QLineEdit* firstField);

// After QDialog::changeEvent: the background follows the chart's sky grey whenever the
// dialog becomes active.
void GoToDialogChanged(QDialog* dialog, const QEvent* event);
