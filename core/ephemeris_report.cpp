#include "core/ephemeris_report.h"

#include <cmath>

#include "core/chart_projection.h"
#include "core/ephemeris_file_error.h"
#include "core/json_text.h"
#include "core/minor_body.h"
#include "core/observer_state.h"
#include "core/planets.h"
#include "core/rise_set.h"
#include "core/sun_moon.h"

namespace {

double RaHours(double ra) {
    double h = ra * 12.0 / kPi;
    h -= 24.0 * std::floor(h / 24.0);
    return h >= 24.0 ? h - 24.0 : h;
}

struct JsonObject {
    std::string text = "{";
    void Field(const char* key, const std::string& value) {
        if (text.size() > 1) text += ", ";
        text += "\"";
        text += key;
        text += "\": ";
        text += value;
    }
    void Field(const char* key, double value) { Field(key, jsontext::JsonNumber(value)); }
    std::string Done() const { return text + "}"; }
};

}  // namespace

double NorthAzimuthDeg(double chartAzimuth) {
    double a = chartAzimuth * kRadToDeg + 180.0;
    a -= 360.0 * std::floor(a / 360.0);
    return a >= 360.0 ? a - 360.0 : a;
}

EphemerisReport ComputeEphemerisReport(const EphemerisRequest& request) {
    ObserverState& o = Observer();
    o.longitudeDeg = request.longitudeDeg;
    o.setLatitude(request.latitudeDeg);
    o.heightM = request.heightM;
    o.zoneOffsetHours = request.zoneOffsetHours;
    o.currentJD = request.instant;
    o.year = CivilFromJD1900(request.instant, request.zoneOffsetHours).year;
    o.siderealHours = LocalSiderealTime(o.longitudeDeg, o.currentJD);
    o.dynamicJD = o.currentJD + DeltaT(o.year) / 24.0;

    EphemerisReport r;
    r.jd1900 = o.currentJD;
    r.lstHours = o.siderealHours;
    r.dynamicJd1900 = o.dynamicJD;

    SunPosition(o.dynamicJD);
    SunForChart();
    const SunState& sun = Sun();
    r.sun = {"Sonne",
             RaHours(sun.rightAscension),
             sun.declination * kRadToDeg,
             sun.distance,
             0.0,
             sun.altitudeDeg,
             NorthAzimuthDeg(sun.azimuth)};

    MoonPosition(o.dynamicJD);
    const MoonState& moon = Moon();
    r.moon = {"Mond",
              RaHours(moon.rightAscension),
              moon.declination * kRadToDeg,
              moon.distance,
              0.0,
              moon.altitudeDeg,
              NorthAzimuthDeg(moon.azimuth)};
    r.moonTopoRaHours = RaHours(moon.topoRightAscension);
    r.moonTopoDecDeg = moon.topoDeclination * kRadToDeg;
    r.moonIlluminatedFraction = moon.illuminatedFraction;
    r.moonPhaseAngleDeg = moon.phaseAngleDeg;
    r.moonPhaseValue = moon.phaseValue;

    int lastBody = kBodyVesta;
    try {
        PlanetPositions(o.dynamicJD);
    } catch (const EphemerisFileError& e) {
        r.warnings.push_back("ASTEROID.TXT: " + std::string(e.what()));
        lastBody = kBodyUranus;
    }
    for (int i = kBodyMercury; i <= lastBody; ++i) {
        const PlanetPosition& p = Planets()[i];
        r.bodies.push_back({std::string(kBodyNames[i]), RaHours(p.rightAscension),
                            p.declination * kRadToDeg, p.distance, p.magnitude, p.altitudeDeg,
                            NorthAzimuthDeg(p.azimuth)});
    }

    try {
        MinorBodyPosition(o.currentJD);
        const MinorBodyState& m = MinorBody();
        double ra = m.raHours - 24.0 * std::floor(m.raHours / 24.0);
        r.minorBody = ReportBody{m.name,
                                 ra,
                                 m.declination * kRadToDeg,
                                 m.distance,
                                 m.magnitude,
                                 m.altitudeDeg,
                                 NorthAzimuthDeg(m.azimuthDeg * kDegToRad)};
    } catch (const EphemerisFileError& e) {
        r.warnings.push_back("KOMET: " + std::string(e.what()));
    }

    RiseSetTimes t = SunRiseSet(kSunriseAltitudeDeg);
    r.sunrise = t.rising;
    r.sunset = t.setting;
    t = SunRiseSet(kCivilTwilightDeg);
    r.civilDawn = t.rising;
    r.civilDusk = t.setting;
    t = SunRiseSet(kNauticalTwilightDeg);
    r.nauticalDawn = t.rising;
    r.nauticalDusk = t.setting;
    t = SunRiseSet(kAstronomicalTwilightDeg);
    r.astronomicalDawn = t.rising;
    r.astronomicalDusk = t.setting;
    t = MoonRiseSet();
    r.moonrise = t.rising;
    r.moonset = t.setting;
    // The rise and set search leaves SunState at other instants: restore the chart instant.
    SunPosition(o.dynamicJD);
    SunForChart();
    return r;
}

std::string EphemerisReportJson(const EphemerisReport& r) {
    JsonObject root;
    root.Field("jd1900", r.jd1900);
    root.Field("lst_hours", r.lstHours);
    root.Field("dynamic_jd1900", r.dynamicJd1900);

    JsonObject sun;
    sun.Field("ra_hours", r.sun.raHours);
    sun.Field("dec_deg", r.sun.decDeg);
    sun.Field("alt_deg", r.sun.altDeg);
    sun.Field("az_deg", r.sun.azDeg);
    sun.Field("dist_au", r.sun.distance);
    root.Field("sun", sun.Done());

    JsonObject moon;
    moon.Field("ra_hours", r.moon.raHours);
    moon.Field("dec_deg", r.moon.decDeg);
    moon.Field("alt_deg", r.moon.altDeg);
    moon.Field("az_deg", r.moon.azDeg);
    moon.Field("dist_au", r.moon.distance);
    moon.Field("topo_ra_hours", r.moonTopoRaHours);
    moon.Field("topo_dec_deg", r.moonTopoDecDeg);
    moon.Field("illuminated_fraction", r.moonIlluminatedFraction);
    moon.Field("phase_angle_deg", r.moonPhaseAngleDeg);
    moon.Field("phase_value", r.moonPhaseValue);
    root.Field("moon", moon.Done());

    std::string bodies = "[";
    for (const ReportBody& b : r.bodies) {
        JsonObject o;
        o.Field("name", jsontext::JsonString(b.name));
        o.Field("ra_hours", b.raHours);
        o.Field("dec_deg", b.decDeg);
        o.Field("dist_au", b.distance);
        o.Field("mag", b.magnitude);
        o.Field("alt_deg", b.altDeg);
        o.Field("az_deg", b.azDeg);
        if (bodies.size() > 1) bodies += ", ";
        bodies += o.Done();
    }
    root.Field("bodies", bodies + "]");

    if (r.minorBody) {
        const ReportBody& b = *r.minorBody;
        JsonObject o;
        o.Field("name", jsontext::JsonString(b.name));
        o.Field("ra_hours", b.raHours);
        o.Field("dec_deg", b.decDeg);
        o.Field("dist_mkm", b.distance);
        o.Field("mag", b.magnitude);
        o.Field("alt_deg", b.altDeg);
        o.Field("az_deg", b.azDeg);
        root.Field("minor_body", o.Done());
    }

    JsonObject ev;
    ev.Field("sunrise", r.sunrise);
    ev.Field("sunset", r.sunset);
    ev.Field("civil_dawn", r.civilDawn);
    ev.Field("civil_dusk", r.civilDusk);
    ev.Field("nautical_dawn", r.nauticalDawn);
    ev.Field("nautical_dusk", r.nauticalDusk);
    ev.Field("astronomical_dawn", r.astronomicalDawn);
    ev.Field("astronomical_dusk", r.astronomicalDusk);
    ev.Field("moonrise", r.moonrise);
    ev.Field("moonset", r.moonset);
    root.Field("events", ev.Done());
    return root.Done();
}
