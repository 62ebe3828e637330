// TEMPORARY FACADE — to be removed when the files below move to the split records.
//
// The observer record is split by owner: ObservingPlace (Place(), core/observing_place.h),
// DisplayedInstant (Shown(), core/displayed_instant.h), DisplayOptions (ViewOptions(),
// core/display_options.h), LoadedElementFile and SatelliteTracking (ElementFile(),
// Tracking(), satellite/loaded_elements.h). Only these files still use the old names:
// prediction/pass_search.{h,cpp}, prediction/night_window.{h,cpp},
// prediction/pass_list_file.{h,cpp}, prediction/orbit_class_table.{h,cpp},
// cli/passes_command.cpp, ui/satellites/pass_*.cpp, ui/satellites/tonight_passes.cpp.
// Nothing else may include this header.
//
// ObserverState holds references to the fields of the parts (same names as before), so
// `Observer().placeName` and `const ObserverState& o = Observer(); o.currentJD` read and
// write the parts themselves, and it converts to the parts for the functions that now
// take them. Defined in satellite/observer_state_facade.cpp (it reaches satellite/).
#pragma once

#include <string>

#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"

struct LoadedElementFile;
struct SatelliteTracking;

struct ObserverState {
    ObservingPlace& place;
    DisplayedInstant& shown;
    DisplayOptions& display;

    std::string& placeName;
    double& longitudeDeg;
    double& latitudeDeg;
    double& sinLatitude;
    double& cosLatitude;
    double& heightM;
    std::string& zoneName;
    double& zoneOffsetHours;
    std::string& zoneRule;
    double& limitingMagnitude;

    JD1900& currentJD;
    int& year;
    double& siderealHours;
    JD1900& dynamicJD;
    FrameOfDate& frame;
    bool& timeChanged;
    JD1900& trailOriginJD;
    int& timeStepSeconds;
    int& latestYear;

    bool& showPlanetNames;
    bool& showConstellationNames;
    bool& showConstellationLines;
    bool& showAltitudeLines;
    bool& showZodiac;

    std::string& elementFilePath;
    int& satelliteCount;
    int& trackedSatellite;

    operator ObservingPlace&() const { return place; }
    operator DisplayedInstant&() const { return shown; }
    operator DisplayOptions&() const { return display; }

    double zoneOffsetAt(JD1900 instant) const { return place.zoneOffsetAt(instant); }
    std::string zoneNameAt(JD1900 instant) const { return place.zoneNameAt(instant); }
    LocalTimeResolution instantFromLocal(int y, int month, int day, int hours, int minutes,
                                         int seconds) const {
        return place.instantFromLocal(y, month, day, hours, minutes, seconds);
    }
    JD1900 localNoon(int y, int month, int day) const { return place.localNoon(y, month, day); }
    void setLatitude(double degrees) const { place.setLatitude(degrees); }
    void setInstantFrame(double eastLongitudeDeg, JD1900 instant) const {
        shown.setInstantFrame(eastLongitudeDeg, instant);
    }
    HorizonOfDate horizon() const { return shown.horizon(place); }
};

ObserverState& Observer();
