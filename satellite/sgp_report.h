// One satellite of an element file at given instants, as JSON records: position and
// velocity in the model's frame, the topocentric direction of date and referred to
// 2000.0, altitude and azimuth, height, shadow, brightness and flare, and why the orbit
// failed where it did.
// Used by "polaride-cli sgp".
#pragma once

#include <string>
#include <vector>

#include "core/timescale.h"
#include "satellite/orbit_model.h"

struct SgpReportRequest {
    std::string elementFile;
    int index = 0;  // row from 1; 0: look the satellite up by catalogNumber
    double catalogNumber = 0.0;
    // Instants in order; each is a JD1900 (UT) or minutes after the element epoch.
    struct Instant {
        bool minutesSinceEpoch = false;
        double value = 0.0;
    };
    std::vector<Instant> instants;
    double longitudeDeg = 0.0;  // east positive
    double latitudeDeg = 0.0;
    double heightM = 0.0;
    OrbitModel model = OrbitModel::Sgp4;
};

struct SgpReport {
    bool ok = false;
    std::string errorText;   // German, when !ok
    std::string json;        // one object, or an array of objects for several instants
    int failedInstants = 0;  // instants whose orbit or observation failed ("math_error")
    std::string loadNotice;  // what the element file load left out (German), or empty
};

// Loads the element file (with the magnitude table as loaded by the caller and
// "iridiums.tle" of the working directory for flare marks) and observes the
// satellite at every instant.
// Replaces the satellite table (with the request's orbit model) and the selection.
SgpReport ComputeSgpReport(const SgpReportRequest& request);
