// The sky position under a point of the main chart: the inverse of the chart
// projection (stereographic from the nadir, turned by rotationRad), read on the
// horizon of date of the last drawing (its frame, sidereal time and latitude) back to
// the catalogue coordinates of 2000.0, and its text for the status line.
#pragma once

#include <QString>
#include <optional>

struct ChartPointPosition {
    double altitudeDeg = 0.0;
    double azimuthDeg = 0.0;  // from north through east, [0, 360)
    double raHours = 0.0;     // [0, 24), 2000.0 like the catalogue the chart draws from
    double decDeg = 0.0;      // 2000.0
};

// The sky position at chart pixel (x, y) in the design geometry of ChartView();
// nothing outside the chart disc (the rim belongs to it, with altitude 0).
std::optional<ChartPointPosition> SkyPositionAt(double x, double y);

// "Azimut 123.4°  Höhe 45.6°  Rektaszension(2000.0) 5h 35.2m  Deklination(2000.0) -5° 23'".
QString SkyPositionText(const ChartPointPosition& position);
