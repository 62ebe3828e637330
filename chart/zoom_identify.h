// Identification of a clicked object in the zoom window: the search and the texts of
// the main chart, with the mapped positions of the zoom window and its disc, and the
// zoom additions to the satellite text (magnitude with one decimal, the uncertainty
// of the element set, the flare angle and the reflecting antenna).
#pragma once

#include <QString>
#include <string>

struct ZoomHit {
    enum Kind { None, MinorBody, Body, Label, Nebula, Star, Satellite };
    Kind kind = None;
    int index = 0;  // body 0..9, label/nebula/star number from 1, satellite from 1
};

// The first object under the zoom-window point, in the order of the main chart.
ZoomHit ZoomHitAt(int x, int y);

// The information text for a zoom-window point ("Da ist nichts!" when nothing is
// there), like IdentifyAt of the main chart; *hit tells what was found.
QString ZoomIdentifyAt(int x, int y, ZoomHit* hit = nullptr, int* blinkLabel = nullptr);

// Uncertainty in seconds of an element set of age A days with half the first
// derivative of the mean motion d (rev/day^2) and mean motion n (rev/day):
// trunc(A (d 8640 A) / (A 2 d + n)).
int ElementUncertaintySeconds(double ageDays, double ndot2, double meanMotion);
// Half the first derivative of the mean motion from element line 1, columns 34-43,
// read with a "0" after the sign column; false when it does not convert.
bool ReadNdot2(const std::string& line1, double* value);
// The antenna line for a flare mirror: "vordere MMA", "rechte MMA", "linke MMA";
// empty for any other panel value.
QString MirrorAntennaText(double flareMirror);
