// The two pictures of a satellite's transit of the Sun or the Moon.
//
// The disc: the body as a filled disc in the middle of the canvas, large enough to be
// seen whole with room around it, the satellite's path across it from offsets of
// prediction/transit_path.h (x to the right, y upwards) and a tick across the path at
// every point (the points are 0.1 s apart), a longer one every ten points; the closest
// approach is ringed.
//
// The map: the centre line as a line through its points, the edges of the strip from
// which the satellite crosses the disc as thinner lines beside it (the strip's half
// width carried across the line on the ground), and the observer's place as a cross.
// The map's projection is the caller's: a function from longitude and latitude to a
// canvas point.
#pragma once

#include <QColor>
#include <QPointF>
#include <QStringList>
#include <functional>
#include <vector>

#include "prediction/transit_centre_line.h"
#include "prediction/transit_path.h"

class Canvas;

struct TransitDiscPicture {
    TransitBody body = TransitBody::Sun;
    double bodyRadiusDeg = 0.25;
    std::vector<TransitPathPoint> path;  // 0.1 s apart
    std::size_t closest = 0;             // index of the closest approach in path
    std::size_t firstWholeSecond = 0;    // index of the first long tick
    QStringList lines;                   // text at the top left
};

// Canvas pixels per degree of the sky for a disc of the radius on a canvas of the size:
// the disc's diameter is 70 % of the shorter side.
double TransitDiscScale(int width, int height, double bodyRadiusDeg);
// The canvas point of an offset from the body's centre.
QPointF TransitDiscPoint(int width, int height, double bodyRadiusDeg, double xDeg, double yDeg);

inline const QColor kTransitPathColour{230, 20, 110};
inline const QColor kCentreLineColour{255, 60, 60};

// Draws the picture on the whole canvas (logical size).
void DrawTransitDisc(Canvas& canvas, const TransitDiscPicture& picture);

// A point of the ground as the map takes it.
struct MapPlace {
    double longitudeDeg = 0.0;
    double latitudeDeg = 0.0;
};
// The two edges of the strip: at each point of the line its half width to the left and
// to the right of the direction of travel (a line of fewer than two points has none).
struct StripEdges {
    std::vector<MapPlace> left, right;
};
StripEdges StripEdgesOf(const std::vector<CentreLinePoint>& line);

using MapProjection = std::function<QPointF(double longitudeDeg, double latitudeDeg)>;

// Draws the line, the strip's edges, the place and the legend (at the bottom left, on
// black) over what the canvas holds (the caller ends the drawing).
void DrawCentreLine(Canvas& canvas, const std::vector<CentreLinePoint>& line, const MapPlace& place,
                    const MapProjection& toCanvas, const QStringList& legend);
