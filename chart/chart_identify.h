// Identification of a point of the main chart: the information text of the Sun, Moon,
// planet, minor body, constellation label, nebula, star or satellite plotted there.
#pragma once

#include <QString>

// The information text for a point of the chart ("Da ist nichts!" when nothing is
// there); *blinkLabel receives the label number 1..89 of a hit constellation label,
// else 0. *hit is false for "Da ist nichts!".
QString IdentifyAt(int x, int y, int* blinkLabel = nullptr, bool* hit = nullptr);
