// The two labels of the map windows that follow the mouse pointer: "geographische
// Länge: 13.41° O" and "geographische Breite: 52.52°", in white bold Courier New of 13
// pixels, letting the mouse through to the map below them.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace location {

// A value in degrees with two decimals ("13.41").
QString TwoDecimals(double value);
// An east longitude (-180..360) east or west of Greenwich, with two decimals:
// "13.40° O", "74.01° W" (for 285.99), "0.00°" and "180.00°" without a side; in words
// "13.40 Grad Ost", "74.01 Grad West".
QString EastWestLongitude(double longitudeDeg, bool inWords = false);

// Both labels on `parent`, with their captions only; the window places them.
void MakePointerLabels(QWidget* parent, QLabel*& longitudeLabel, QLabel*& latitudeLabel);
// The place under the pointer.
void ShowPointerPlace(QLabel* longitudeLabel, QLabel* latitudeLabel, double longitudeDeg,
                      double latitudeDeg);

}  // namespace location
