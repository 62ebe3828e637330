// TEMPORARY: the facade of core/observer_state.h (see there).
#include "core/observer_state.h"
#include "satellite/loaded_elements.h"

ObserverState& Observer() {
    static ObserverState facade{
        Place(),
        Shown(),
        Display(),
        Place().placeName,
        Place().longitudeDeg,
        Place().latitudeDeg,
        Place().sinLatitude,
        Place().cosLatitude,
        Place().heightM,
        Place().zoneName,
        Place().zoneOffsetHours,
        Place().zoneRule,
        Display().limitingMagnitude,
        Shown().currentJD,
        Shown().year,
        Shown().siderealHours,
        Shown().dynamicJD,
        Shown().frame,
        Shown().timeChanged,
        Shown().trailOriginJD,
        Shown().timeStepSeconds,
        Shown().latestYear,
        Display().showPlanetNames,
        Display().showConstellationNames,
        Display().showConstellationLines,
        Display().showAltitudeLines,
        Display().showZodiac,
        ElementFile().elementFilePath,
        ElementFile().satelliteCount,
        Tracking().trackedSatellite,
    };
    return facade;
}
