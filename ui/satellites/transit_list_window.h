// The transit list window "Polaride - Transite vor Sonne und Mond": while a search runs
// its progress in the caption and "Abbrechen"; then a sortable table of the approaches
// (transit_table.h). A double click (or "Transit zeigen") sets the chart's instant a
// little before the approach, centres the zoom window on the body and shows the path
// across the disc; "Zentrallinie auf der Karte" draws the centre line on a map.
// "Speichern" writes the list as text, "Drucken" prints it, "Exportieren…" writes a
// table (CSV).
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <vector>

#include "ui/satellites/transit_search_job.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

// The chart's instant is set this much before the closest approach.
inline constexpr double kTransitLeadSeconds = 30.0;

class TransitListWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit TransitListWindow(QWidget* parent = nullptr);
    ~TransitListWindow() override;

    // Starts a search of the satellites (the list empties); `placeName` for captions
    // and the saved file. Does nothing while a search runs.
    void StartSearch(std::vector<TransitSatellite> satellites,
                     const TransitSearchParameters& parameters, const std::string& placeName);
    bool Searching() const;
    void CancelSearch();  // "Abbrechen"
    // Blocks until the running search has ended and its result is shown (tests).
    void WaitForSearch();

    // For a row of the table, whatever its sorting; false when there is none.
    bool ShowApproach(int tableRow);    // double click, "Transit zeigen"
    bool ShowCentreLine(int tableRow);  // "Zentrallinie auf der Karte"
    void Save();                        // "Speichern"
    void Print();                       // "Drucken"
    void Export();                      // "Exportieren…"

    // The head lines and the list lines (in the table's order) of the file and the print.
    QStringList HeaderLines() const;
    QStringList Lines() const;

    const std::vector<TransitApproach>& approaches() const { return approaches_; }
    QTableWidget* table() const { return table_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* showButton() const { return show_; }
    QPushButton* mapButton() const { return map_; }

  signals:
    void searchEnded();

  private:
    void SearchFinished();
    void ShowProgress();
    // Makes the window wide enough for the table's columns (at most the screen's width).
    void WidenToShowWholeColumns();
    const TransitSatellite* SatelliteOf(const TransitApproach& approach) const;
    // The map of approach `index` of the list; false when it cannot be drawn.
    bool ShowCentreLineOfApproach(int index);
    // The instant of the closest approach in the place's zone, with the zone's name.
    static std::string TimeText(const TransitApproach& approach);

    QTableWidget* table_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* show_ = nullptr;
    QPushButton* map_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    std::unique_ptr<TransitSearchJob> job_;
    std::vector<TransitSatellite> satellites_;  // of the list shown
    TransitSearchParameters parameters_;
    std::vector<TransitApproach> approaches_;
    std::string placeName_;
};
