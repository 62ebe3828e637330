// Everything the pass search reads, copied once on the thread that starts it: the
// parameters, the observer's place and zone, the window of every night and the
// selected satellites. The search itself then reads no process-wide record, so it can
// run on worker threads while the windows go on changing the shared state.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/observing_place.h"
#include "prediction/night_window.h"
#include "prediction/pass_list_file.h"
#include "prediction/pass_search_parameters.h"
#include "prediction/search_bounds.h"
#include "satellite/observation.h"
#include "satellite/propagation.h"

// One selected satellite as the search and the list of its passes need it.
struct PassSatellite {
    SatelliteOrbit orbit;
    SatelliteLook look;
    std::string nameLine;         // as loaded
    bool magnitudeKnown = false;  // the standard magnitude comes from the magnitude table
    int fileLine = 0;             // line of the element file where the set begins (0: unknown)
};
// The selection in selection order (index = satellite number of a pass).
using PassSatellites = std::vector<PassSatellite>;

// One window of the search (a night, or the window of a number of minutes).
struct SearchNight {
    bool dark = false;  // false: nothing to search (no darkness, or no window)
    JD1900 start = 0.0, end = 0.0;
    // The Sun at the observer over the window, when the shadow bound may spare work.
    std::shared_ptr<const SunAltitudeProfile> sun;
};

struct PassSearchSnapshot {
    PassSearchParameters parameters;  // nights clamped to the accepted range
    ObservingPlace observer;          // place and zone for the texts of the list
    ObserverPlace place;
    std::vector<SearchNight> nights;
    int nightsSearched = 0;  // windows with darkness
    std::vector<NightWithoutDarkness> nightsWithoutDarkness;
    PassSearchSpan span;
    // The whole search, for what an orbit can reach in it.
    JD1900 searchFrom = 0.0, searchTo = 0.0;
    std::shared_ptr<const PassSatellites> satellites;
    // The window the pass dialog keeps afterwards (PassWindow()): that of the last
    // night with darkness; none when every night was without.
    bool lastWindowKnown = false;
    NightWindowResult lastWindow;
};

// The snapshot of a search with these parameters: the place and zone of Place(),
// the nights from Shown().currentJD (or the window of PassWindow() in duration
// mode), and the selected sets of Satellites(). Reads the shared records; writes none.
PassSearchSnapshot TakePassSearchSnapshot(const PassSearchParameters& parameters);

// The selected satellites of Satellites(), copied.
std::shared_ptr<const PassSatellites> SnapshotOfSelection();
