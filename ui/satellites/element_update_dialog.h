// "Elemente aktualisieren": current elements of a group or of single catalogue numbers
// from the element service into a file of the working folder, then loaded as
// "Datei laden" does, keeping the selected satellites that are still there. The
// fetch runs in the background with its progress and a cancel button; a failure
// leaves the old file and says why.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

class ElementUpdate;
struct ElementUpdateResult;
struct ElementUpdateRequest;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

class ElementUpdateDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ElementUpdateDialog(QWidget* parent = nullptr);

    // "Laden": checks the entries, asks before fetching a file younger than two hours
    // again, and starts the fetch; false when nothing was started.
    bool StartLoading();
    // "Abbrechen" while loading ends the fetch; otherwise it closes the dialog.
    void CancelOrClose();
    bool loading() const;

    // The request the entries describe; an empty text, or the German problem.
    std::string ReadRequest(ElementUpdateRequest& request) const;

    QComboBox* groupBox() const { return group_; }
    QLineEdit* numbersField() const { return numbers_; }
    QLineEdit* fileField() const { return file_; }
    QLabel* statusLabel() const { return status_; }
    QProgressBar* progressBar() const { return progress_; }
    QPushButton* loadButton() const { return load_; }
    QPushButton* cancelButton() const { return cancel_; }

  protected:
    void showEvent(QShowEvent* event) override;

  signals:
    // The fetch ended (any outcome), after the file was loaded.
    void done(const ElementUpdateResult& result);

  private:
    void GroupChanged();
    void Finished(const ElementUpdateResult& result);
    void ShowLoading(bool loading);

    ElementUpdate* update_ = nullptr;
    QComboBox* group_ = nullptr;
    QLineEdit* numbers_ = nullptr;
    QLineEdit* file_ = nullptr;
    QLabel* source_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* load_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool fileNameEdited_ = false;
    std::string targetPath_;
};

// Loads the element file as "Datei laden" does after its file dialog and selects again
// the satellites of the old selection that the new file holds (by catalogue number,
// in the old order). Returns false when the file could not be opened.
bool LoadElementFileKeepingSelection(const std::string& path);
// The same with any selection: `select` runs on the new table (its selection empty);
// the selection window's lists, the pass menus and the pass dialog follow.
bool LoadElementFileSelecting(const std::string& path, const std::function<void()>& select);
