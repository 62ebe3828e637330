// Every modal interaction of the program goes through one Dialogs service: message
// boxes, input boxes, confirmations, file open/save and the print dialog. Windows call
// AppDialogs(); tests install a scripted implementation that records each call and
// returns prepared answers (tests/support/ui/scripted_dialogs.h).
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;
class QWidget;

// Answer of an input box. On cancel `ok` is false and `text` is the proposed text, so
// callers that simply take `text` keep the old value.
struct InputAnswer {
    bool ok = false;
    QString text;
};

// One file type of a file dialog: "TLE-Dateien (*.tle)" with pattern "*.TLE".
struct FileFilter {
    QString description;
    QString pattern;  // one or more patterns separated by ';', matched without regard to case
};

// What a file open or save dialog shows.
struct FileDialogRequest {
    QString caption;
    QList<FileFilter> filters;  // empty: no file type list
    int filterIndex = 1;        // chosen file type, 1-based (1 = the first filter)
    QString initialFolder;      // empty: the working directory
    QString fileName;           // proposed file name (may be a full path)
    bool mustExist = false;     // open: the chosen file must exist
};

// What the user chose. `ok` false: cancelled, nothing else is meaningful.
struct FileDialogAnswer {
    bool ok = false;
    QString fileName;     // full path as chosen
    int filterIndex = 1;  // file type chosen last, 1-based
};

class Dialogs {
  public:
    virtual ~Dialogs();

    // Message box with caption, text and one OK button.
    virtual void Message(const QString& caption, const QString& text,
                         QWidget* parent = nullptr) = 0;
    // Input box: caption, prompt and proposed text.
    virtual InputAnswer Input(const QString& caption, const QString& prompt,
                              const QString& proposed, QWidget* parent = nullptr) = 0;
    // Yes/No question; true for "Yes".
    virtual bool Confirm(const QString& caption, const QString& text,
                         QWidget* parent = nullptr) = 0;
    virtual FileDialogAnswer OpenFile(const FileDialogRequest& request,
                                      QWidget* parent = nullptr) = 0;
    virtual FileDialogAnswer SaveFile(const FileDialogRequest& request,
                                      QWidget* parent = nullptr) = 0;
    // The print dialog: a configured printer, or nullptr when cancelled. The caller sets
    // orientation and page mapping itself.
    virtual std::unique_ptr<QPrinter> Print(const QString& caption = QString(),
                                            QWidget* parent = nullptr) = 0;
};

// The process's Dialogs: the Qt implementation unless another one was installed.
Dialogs& AppDialogs();
// Installs `dialogs` (not owned; nullptr restores the Qt implementation) and returns the
// previously installed one (nullptr when it was the Qt implementation).
Dialogs* InstallDialogs(Dialogs* dialogs);

// The chart's messages (ShowChartMessage) as message boxes of AppDialogs(), with the
// chart hooks' dialog parent. InstallDialogs does this too.
void RouteChartMessagesToDialogs();

// The conversion errors of a text that is not a number, as message boxes:
// "'x' ist kein gültiger Gleitkommawert" and "'x' ist kein gültiger Integerwert".
void ShowNotANumber(const QString& text, QWidget* parent,
                    const QString& caption = QStringLiteral("Polaride"));
void ShowNotAnInteger(const QString& text, QWidget* parent);

// The Qt implementation (QMessageBox, QInputDialog, QFileDialog, QPrintDialog).
class QtDialogs : public Dialogs {
  public:
    void Message(const QString& caption, const QString& text, QWidget* parent = nullptr) override;
    InputAnswer Input(const QString& caption, const QString& prompt, const QString& proposed,
                      QWidget* parent = nullptr) override;
    bool Confirm(const QString& caption, const QString& text, QWidget* parent = nullptr) override;
    FileDialogAnswer OpenFile(const FileDialogRequest& request, QWidget* parent = nullptr) override;
    FileDialogAnswer SaveFile(const FileDialogRequest& request, QWidget* parent = nullptr) override;
    std::unique_ptr<QPrinter> Print(const QString& caption = QString(),
                                    QWidget* parent = nullptr) override;
};

// The width a dialog needs for its whole caption in the title bar: the caption in a
// bold title font and room for the window manager's icon and buttons. Message and
// input boxes are made at least this wide, so that a short text does not cut the
// caption ("Schritt… ndern").
int CaptionRoomWidth(const QString& caption);

// The file-type list of a request in Qt's filter syntax, and the 1-based index of a
// chosen Qt filter text in it (1 when not found).
QStringList QtFilterList(const QList<FileFilter>& filters);
int FilterIndexOf(const QList<FileFilter>& filters, const QString& chosenQtFilter);
