// Osculating elements of Ceres and Vesta from "ASTEROID.TXT": pairs of lines (Ceres,
// then Vesta) for successive epochs, fixed columns 1-7 epoch (Julian Day number, the
// epoch is 0:00 of that day), 8-16 M0, 17-25 a, 26-34 e, 35-43 node, 44-52 perihelion,
// 53-61 inclination (degrees, AU).
#pragma once

#include <string>
#include <string_view>

#include "core/timescale.h"

struct AsteroidElements {
    JD1900 epoch = 0.0;
    double meanAnomalyDeg = 0.0;
    double semiMajorAxis = 0.0;
    double eccentricity = 0.0;
    double nodeDeg = 0.0;
    double perihelionDeg = 0.0;
    double inclinationDeg = 0.0;
};

struct AsteroidPair {
    AsteroidElements ceres;
    AsteroidElements vesta;
};

// One line of the file; throws EphemerisFileError (naming fileName) when a field is not
// a number.
AsteroidElements ParseAsteroidLine(std::string_view line, const std::string& fileName);

// The pair for instant t: the first pair whose epoch is at most 100 days before t (the
// first pair also for instants before the first epoch), the last pair when every epoch
// lies more than 100 days before t. Throws EphemerisFileError when the file is missing,
// cannot be read, is empty, ends inside a pair or holds a bad number.
AsteroidPair SelectAsteroidPair(JD1900 t, const std::string& path = "ASTEROID.TXT");
