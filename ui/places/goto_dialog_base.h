// What the two go-to dialogs share: the raised panel with its grid of aqua labels and
// fields, the "OK"/"Abbrechen" row under it, the message of a field that fails its
// check, and what happens when the dialog is shown or becomes active.
#pragma once

#include <QDialog>

class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;

class GoToDialogBase : public QDialog {
    Q_OBJECT

  public:
    // "OK": validation, then the zoom window on the target; false when a check stopped
    // it (the dialog stays open).
    virtual bool Accept() = 0;

  protected:
    // The dialog with its raised panel; the subclass fills grid(), then calls AddButtons.
    GoToDialogBase(const char* objectName, const QString& title, QWidget* parent);

    QGridLayout* grid() const { return grid_; }
    QFrame* panel() const { return panel_; }
    QLabel* Label(const char* text) const;           // a new aqua label (UTF-8 text)
    QLineEdit* Field(const char* objectName) const;  // a new field on the panel
    // The button row and the dialog's layout: "OK" (default) calls Accept, "Abbrechen"
    // hides the dialog.
    void AddButtons();
    // "Ungültige Eingabe" with the message of the first field that failed; returns false.
    bool RejectInput(const QString& message);

    // The field that has the focus when the dialog is shown.
    virtual QLineEdit* FirstField() const = 0;

    // The zoom window stays open, the sky grey background, and the focus on the first field.
    void showEvent(QShowEvent* event) override;
    // Whenever the dialog becomes active: the zoom window stays open, and the background
    // follows the chart's sky grey.
    void changeEvent(QEvent* event) override;

  private:
    QFrame* panel_ = nullptr;
    QGridLayout* grid_ = nullptr;
};
