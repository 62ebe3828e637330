// The orbit-plane input for a place: the satellite's inclination and eccentricity with the
// place's latitude, height and longitude at an instant. The SGP values are left for the
// caller.
#pragma once

#include "core/timescale.h"
#include "prediction/satellite_info_plane.h"

struct ObservingPlace;

OrbitPlaneInput OrbitPlaneInputForObserver(double inclinationDeg, double eccentricity,
                                           const ObservingPlace& place, JD1900 instant);
