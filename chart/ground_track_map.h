// The ground tracks on the world map "welt.bmp" (621 columns for 360° of longitude,
// 300 rows for 180° of latitude, Greenwich in the middle): the pixel of a
// sub-satellite point and of the observer, and the day side of the Earth drawn over
// the map in exclusive-or mode.
#pragma once

#include "core/timescale.h"

class Canvas;

struct MapPixel {
    int x = 0;
    int y = 0;
    bool operator==(const MapPixel&) const = default;
};

// Map pixel of a sub-satellite point: x = trunc(λ·1.725 + 310.5), y = trunc(151.5 -
// ψ·1.661111).
MapPixel SatelliteMapPixel(double longitudeDeg, double latitudeDeg);
// Map pixel of the observer's cross (longitude 0..360 or -180..180 east).
MapPixel ObserverMapPixel(double longitudeDeg, double latitudeDeg);
// A track segment is drawn unless its ends lie 311 columns or more apart (a track
// leaving one edge of the map and entering at the other).
bool TrackSegmentDrawn(MapPixel from, MapPixel to);

// Draws the day side for instant t onto a map canvas (pen yellow, exclusive-or, so
// drawing it twice restores the map). mapWidth is the width of the map control (622).
void DrawDaySide(Canvas& canvas, JD1900 t, double observerLongitudeDeg, int mapWidth = 622);
