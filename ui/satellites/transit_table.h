// The transit list as a table: one row per approach with its local time, the satellite,
// the body, the least separation, whether it is a transit and how long, the body's
// altitude and azimuth, the range and the centre line ("Zentrallinie 3,2 km NO"). Each
// cell keeps the value it shows, so a click on a heading sorts by instants and numbers
// (the same heading again turns the order round); each row keeps the index of its
// approach.
#pragma once

#include <functional>
#include <vector>

#include "prediction/transit_search.h"

class QTableWidget;

enum TransitColumn {
    kTransitTimeColumn,
    kTransitSatelliteColumn,
    kTransitBodyColumn,
    kTransitSeparationColumn,
    kTransitYesNoColumn,
    kTransitDurationColumn,
    kTransitAltitudeColumn,
    kTransitAzimuthColumn,
    kTransitRangeColumn,
    kTransitCentreLineColumn,
    kTransitColumnCount,
};

// Local time of an instant: the zone's offset (hours) and name at it.
struct TransitZone {
    std::function<double(JD1900)> offsetHours;
    std::function<std::string(JD1900)> name;
};

void SetUpTransitTable(QTableWidget* table);
// One row per approach, in the order given.
void FillTransitTable(QTableWidget* table, const std::vector<TransitApproach>& approaches,
                      const TransitZone& zone);
// The approach shown in a table row (its index in the vector filled in); -1 when none.
// The width (pixels) in which every column shows its whole text.
int TransitTableWidthForContents(const QTableWidget* table);
int ApproachOfTableRow(const QTableWidget* table, int tableRow);
// The value a cell sorts by.
double TransitCellValue(const QTableWidget* table, int tableRow, int column);
