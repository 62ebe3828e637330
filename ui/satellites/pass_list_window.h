// The pass list window PassListWindow: while a search runs, its lines under a column
// heading; the finished list as a table (pass_table.h) sorted by a click on a heading,
// the classic columns on demand, a legend below. A double click (or "Durchgang
// zeigen") shows a pass on the zoom chart, "Speichern" writes the classic lines in
// list order as a text file, "Drucken" prints them, and "Abbrechen" or the right mouse
// button aborts a running search, as closing the window does. While a search runs the
// window is its listener (captions, heading); the lines of the finished list are made
// from PassList() when they are shown, saved or printed (pass_line_model.h).
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "prediction/pass_search.h"

class QAction;
class QCheckBox;
class QHBoxLayout;
class QLabel;
class QListView;
class QPushButton;
class QStackedWidget;
class QTableView;
class PassLineModel;

class PassListWindow : public QMainWindow, public PassSearchListener {
    Q_OBJECT

  public:
    explicit PassListWindow(QWidget* parent = nullptr);

    // --- actions (public for the other windows and for tests) -------------------
    // Shows the pass of list line `row` on the zoom chart (double click); false when
    // it could not be shown (the failure message was given). Does nothing while a
    // search runs.
    bool ShowPass(int row);
    // The same for a row of the table, whatever its sorting (false: no such row).
    bool ShowTableRowPass(int tableRow);
    void Save();   // "Speichern"
    void Print();  // "Drucken"
    // Empties the list and the pass keys (a new element file was loaded).
    void ClearPasses();
    // A mouse button pressed on the list or the heading: the right one aborts.
    void MousePressed(Qt::MouseButton button);

    // The text lines of the saved file and of each printed page's head.
    QStringList HeaderLines() const;
    // The lines of the line page: those of the found passes, then the lines appended.
    QStringList Lines() const;

    // The line page, shown while a search runs (its lines are those "Speichern" writes).
    QListView* list() const { return list_; }
    // The finished list, one row per pass.
    QTableView* table() const { return table_; }
    QCheckBox* classicColumnsBox() const { return classicColumns_; }
    QPushButton* showPassButton() const { return showPassButton_; }
    // The buttons below the table, for more of them.
    QHBoxLayout* buttonRow() const { return buttonRow_; }
    QLabel* headingBar() const { return heading_; }
    // "Abbrechen", shown while the workers search.
    QPushButton* abortButton() const { return abortButton_; }
    QAction* saveAction = nullptr;   // "Speichern"
    QAction* printAction = nullptr;  // "Drucken"

    // The search's per-night fields come from the pass dialog.
    std::function<bool(double&, double&)> nightLimits;

    // --- PassSearchListener -------------------------------------------------------
    void searchStarted() override;
    void progress(const PassSearchProgress& progress) override;
    void setStatusHeading(const std::string& heading) override;
    void clearList() override;
    // A line after those of the found passes (a status line, a line filled in by hand).
    void appendListLine(const std::string& line) override;
    // Several lines at once, in order (one update of the list instead of one per line).
    void appendListLines(const std::vector<std::string>& lines);
    // The lines of the found passes are made from PassList(), not appended.
    bool listsLines() const override { return false; }
    void repaintList() override;
    bool readNightLimits(double& maxSunAltitudeDeg, double& limitingMagnitude) override;
    void searchFailed(const std::string& message) override;
    void noPasses() override;
    // The list is PassList() now: its lines show, the table of its passes in front.
    void passesFound(int count) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void ShowPassFailed();
    // The table of PassList() in place of the lines (true), or the lines (false).
    void ShowTable(bool shown);

    QLabel* heading_ = nullptr;
    QStackedWidget* views_ = nullptr;
    QListView* list_ = nullptr;
    PassLineModel* lines_ = nullptr;
    QWidget* tablePage_ = nullptr;
    QTableView* table_ = nullptr;
    QCheckBox* classicColumns_ = nullptr;
    QPushButton* showPassButton_ = nullptr;
    QPushButton* abortButton_ = nullptr;
    QHBoxLayout* buttonRow_ = nullptr;
};

// "Durchgang zeigen" of the main and the zoom window.
void SetShowPassMenusEnabled(bool enabled);
