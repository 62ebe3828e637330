// TEMPORARY: the facade of core/observer_state.h (see there).
#include "core/observer_state.h"
#include "satellite/loaded_elements.h"

ObserverState& Observer() {
    static ObserverState facade{
        Place(),
        Shown(),
        ViewOptions(),
        Place().placeName,
        Place().longitudeDeg,
        Place().latitudeDeg,
        Place().sinLatitude,
        Place().cosLatitude,
        Place().heightM,
        Place().zoneName,
        Place().zoneOffsetHours,
        Place().zoneRule,
        ViewOptions().limitingMagnitude,
        Shown().currentJD,
        Shown().year,
        Shown().siderealHours,
        Shown().dynamicJD,
        Shown().frame,
        Shown().timeChanged,
        Shown().trailOriginJD,
        Shown().timeStepSeconds,
        Shown().latestYear,
        ViewOptions().showPlanetNames,
        ViewOptions().showConstellationNames,
        ViewOptions().showConstellationLines,
        ViewOptions().showAltitudeLines,
        ViewOptions().showZodiac,
        ElementFile().elementFilePath,
        ElementFile().satelliteCount,
        Tracking().trackedSatellite,
    };
    return facade;
}
