// The pass list window PassListWindow: the passes of the last search under a column heading.
// A double click shows a pass on the zoom chart, "Speichern" writes the list as a
// text file, "Drucken" prints it, and the right mouse button aborts a running search.
// While a search runs the window is its listener (captions, heading, lines).
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "prediction/pass_search.h"

class QAction;
class QLabel;
class QListWidget;

class PassListWindow : public QMainWindow, public PassSearchListener {
    Q_OBJECT

  public:
    explicit PassListWindow(QWidget* parent = nullptr);

    // --- actions (public for the other windows and for tests) -------------------
    // Shows the pass of list line `row` on the zoom chart (double click); false when
    // it could not be shown (the failure message was given). Does nothing while a
    // search runs.
    bool ShowPass(int row);
    void Save();   // "Speichern"
    void Print();  // "Drucken"
    // Empties the list and the pass keys (a new element file was loaded).
    void ClearPasses();
    // A mouse button pressed on the list or the heading: the right one aborts.
    void MousePressed(Qt::MouseButton button);

    // The text lines of the saved file and of each printed page's head.
    QStringList HeaderLines() const;
    QStringList Lines() const;

    QListWidget* list() const { return list_; }
    QLabel* headingBar() const { return heading_; }
    QAction* saveAction = nullptr;   // "Speichern"
    QAction* printAction = nullptr;  // "Drucken"

    // The search's per-night fields come from the pass dialog.
    std::function<bool(double&, double&)> nightLimits;

    // --- PassSearchListener -------------------------------------------------------
    void searchStarted() override;
    void progress(const PassSearchProgress& progress) override;
    void setStatusHeading(const std::string& heading) override;
    void clearList() override;
    void appendListLine(const std::string& line) override;
    // Several lines at once, in order (one update of the list instead of one per line).
    void appendListLines(const std::vector<std::string>& lines);
    void repaintList() override;
    void processPendingEvents() override;
    bool readNightLimits(double& maxSunAltitudeDeg, double& limitingMagnitude) override;
    void searchFailed(const std::string& message) override;
    void noPasses() override;
    void passesFound(int count) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowPassFailed();

    QLabel* heading_ = nullptr;
    QListWidget* list_ = nullptr;
};

// "Durchgang zeigen" of the main and the zoom window.
void SetShowPassMenusEnabled(bool enabled);
