// The orbit-plane input for the observer of the chart: the satellite's inclination and
// eccentricity with the observer's latitude, height and longitude at an instant. The SGP
// values are left for the caller.
#pragma once

#include "core/timescale.h"
#include "prediction/satellite_info_plane.h"

OrbitPlaneInput OrbitPlaneInputForObserver(double inclinationDeg, double eccentricity,
                                           JD1900 instant);
