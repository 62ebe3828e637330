// "Satelliten → Heute Nacht sichtbar": tonight's passes in one step. With no element
// file loaded it takes the group "visual" of the element service from the working
// folder (the file "Elemente aktualisieren…" writes for that group), fetched first when
// it is missing or older than a day, loads it as "Datei laden" does and selects all of
// its satellites; with a file loaded it takes the selection, or every satellite when
// none is selected. Then it runs the pass dialog's search for the night of the chart's
// date with the dialog's limits, into the pass list window, without showing the dialog.
//
// The fetch runs in the background (its progress in the main window's status line) and
// fails as "Elemente aktualisieren…" does; when it fails and a file of the group is
// present, the newest one is used and a message says so.
#pragma once

#include <QObject>
#include <optional>
#include <string>

class ElementUpdate;
class QMainWindow;
struct ElementUpdateResult;

// A group file younger than this is used without asking the element service.
inline constexpr int kTonightRefetchHours = 24;

class TonightPasses : public QObject {
    Q_OBJECT

  public:
    // The status line of `frame` shows the fetch.
    explicit TonightPasses(QMainWindow* frame);

    // The menu entry. Does nothing while a fetch or a pass search runs.
    void Start();
    // Between the click and the end: fetching, loading or searching.
    bool busy() const;

    // "visual.tle" in the working folder: where the fetch writes.
    static std::string GroupFilePath();
    // The newest present file of the group ("visual.tle" or "visual.csv"), if any.
    static std::optional<std::string> NewestGroupFile();

  signals:
    // The whole step ended (searched, or given up with a message).
    void done();

  private:
    void FetchFinished(const ElementUpdateResult& result);
    void LoadAndSearch(const std::string& path);
    // Starts the search; Finish() when it has ended (or did not start).
    void Search();
    void Finish();

    QMainWindow* frame_;
    ElementUpdate* update_ = nullptr;
    bool busy_ = false;
};
