#include "core/ephemeris_report.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "core/bodies.h"
#include "core/displayed_instant.h"
#include "core/ephemeris_file_error.h"
#include "core/frame_of_date.h"
#include "core/json_text.h"
#include "core/minor_body.h"
#include "core/observing_place.h"
#include "core/planets.h"
#include "core/rise_set.h"
#include "core/sun_moon.h"

namespace {

double RaHours(double ra) {
    double h = ra * 12.0 / kPi;
    h -= 24.0 * std::floor(h / 24.0);
    return h >= 24.0 ? h - 24.0 : h;
}

// Sun, Moon and planets: the state of the chart instant (radians, chart azimuth).
template <class State>
ReportBody BodyOf(std::string name, const State& s, double magnitude) {
    return {std::move(name),
            RaHours(s.rightAscension),
            s.declination * kRadToDeg,
            s.distance,
            magnitude,
            s.altitudeDeg,
            NorthAzimuthDeg(s.azimuth)};
}

}  // namespace

double NorthAzimuthDeg(double chartAzimuth) {
    double a = chartAzimuth * kRadToDeg + 180.0;
    a -= 360.0 * std::floor(a / 360.0);
    return a >= 360.0 ? a - 360.0 : a;
}

EphemerisReport ComputeEphemerisReport(const EphemerisRequest& request) {
    ObservingPlace place;
    place.longitudeDeg = request.longitudeDeg;
    place.setLatitude(request.latitudeDeg);
    place.heightM = request.heightM;
    place.zoneOffsetHours = request.zoneOffsetHours;
    place.zoneRule = request.zoneRule;
    DisplayedInstant shown;
    shown.currentJD = request.instant;
    shown.year = CivilFromJD1900(request.instant, place.zoneOffsetAt(request.instant)).year;
    shown.setInstantFrame(place.longitudeDeg, shown.currentJD);

    EphemerisReport r;
    r.jd1900 = shown.currentJD;
    r.lstHours = shown.siderealHours;
    r.dynamicJd1900 = shown.dynamicJD;

    SunPosition(shown.dynamicJD);
    SunForChart(place, shown);
    const SunState& sun = Sun();
    r.sun = BodyOf("Sonne", sun, 0.0);

    MoonPosition(shown.dynamicJD, place, shown);
    const MoonState& moon = Moon();
    r.moon = BodyOf("Mond", moon, 0.0);
    r.moonTopoRaHours = RaHours(moon.topoRightAscension);
    r.moonTopoDecDeg = moon.topoDeclination * kRadToDeg;
    r.moonIlluminatedFraction = moon.illuminatedFraction;
    r.moonPhaseAngleDeg = moon.phaseAngleDeg;
    r.moonPhaseValue = moon.phaseValue;

    int lastBody = kBodyVesta;
    try {
        PlanetPositions(shown.dynamicJD, place, shown);
    } catch (const EphemerisFileError& e) {
        r.warnings.push_back(e.what());
        lastBody = kBodyUranus;
    }
    for (int i = kBodyMercury; i <= lastBody; ++i) {
        const PlanetPosition& p = Planets()[i];
        r.bodies.push_back(BodyOf(std::string(kBodyNames[i]), p, p.magnitude));
    }

    try {
        MinorBodyPosition(shown.currentJD, place, shown);
        const MinorBodyState& m = MinorBody();
        double ra = m.raHours - 24.0 * std::floor(m.raHours / 24.0);
        r.minorBody = ReportBody{m.name,
                                 ra,
                                 m.declination * kRadToDeg,
                                 m.distance,
                                 m.magnitude,
                                 m.altitudeDeg,
                                 NorthAzimuthDeg(m.azimuthDeg * kDegToRad)};
        r.minorBodyRaDateHours = RaHours(m.raDateHours * kPi / 12.0);
        r.minorBodyDecDateDeg = m.declinationDate * kRadToDeg;
    } catch (const EphemerisFileError& e) {
        r.warnings.push_back(e.what());
    }

    RiseSetTimes t = SunRiseSet(kSunriseAltitudeDeg, place, shown.currentJD);
    r.sunrise = t.rising;
    r.sunset = t.setting;
    t = SunRiseSet(kCivilTwilightDeg, place, shown.currentJD);
    r.civilDawn = t.rising;
    r.civilDusk = t.setting;
    t = SunRiseSet(kNauticalTwilightDeg, place, shown.currentJD);
    r.nauticalDawn = t.rising;
    r.nauticalDusk = t.setting;
    t = SunRiseSet(kAstronomicalTwilightDeg, place, shown.currentJD);
    r.astronomicalDawn = t.rising;
    r.astronomicalDusk = t.setting;
    t = MoonRiseSet(place, shown.currentJD, shown.year);
    r.moonrise = t.rising;
    r.moonset = t.setting;
    // The rise and set search leaves SunState at other instants: restore the chart instant.
    SunPosition(shown.dynamicJD);
    SunForChart(place, shown);
    return r;
}

ReportStar ApparentStar(const EphemerisRequest& request, std::string name, double raHours,
                        double decDeg) {
    const FrameOfDate frame = FrameOfDateAt(request.instant);
    const double lat = request.latitudeDeg * kDegToRad;
    const HorizonOfDate horizon =
        HorizonOfDateAt(frame, LocalApparentSiderealHours(frame, request.longitudeDeg),
                        std::sin(lat), std::cos(lat));
    const Vector3 unit2000 = UnitVectorOf(raHours * kPi / 12.0, decDeg * kDegToRad);
    const HorizontalCoords hz = ApparentHorizontal(horizon, unit2000);
    double ra = 0.0, dec = 0.0;
    RaDecOf(ApparentOfDate(frame, unit2000), ra, dec);
    return {std::move(name), RaHours(ra), dec * kRadToDeg, hz.altitude * kRadToDeg,
            NorthAzimuthDeg(hz.azimuth)};
}

std::string EphemerisReportJson(const EphemerisReport& r) {
    using jsontext::Json;
    using jsontext::JsonNumber;
    using jsontext::JsonString;
    // Members in the order given; "dist_au" / "dist_mkm" are the distance's unit.
    const auto body = [](const ReportBody& b, const char* distanceName) {
        return Json{{"name", JsonString(b.name)},      {"ra_hours", JsonNumber(b.raHours)},
                    {"dec_deg", JsonNumber(b.decDeg)}, {distanceName, JsonNumber(b.distance)},
                    {"mag", JsonNumber(b.magnitude)},  {"alt_deg", JsonNumber(b.altDeg)},
                    {"az_deg", JsonNumber(b.azDeg)}};
    };

    Json root = {{"jd1900", JsonNumber(r.jd1900)},
                 {"lst_hours", JsonNumber(r.lstHours)},
                 {"dynamic_jd1900", JsonNumber(r.dynamicJd1900)}};
    root["sun"] = {{"ra_hours", JsonNumber(r.sun.raHours)},
                   {"dec_deg", JsonNumber(r.sun.decDeg)},
                   {"alt_deg", JsonNumber(r.sun.altDeg)},
                   {"az_deg", JsonNumber(r.sun.azDeg)},
                   {"dist_au", JsonNumber(r.sun.distance)}};
    root["moon"] = {{"ra_hours", JsonNumber(r.moon.raHours)},
                    {"dec_deg", JsonNumber(r.moon.decDeg)},
                    {"alt_deg", JsonNumber(r.moon.altDeg)},
                    {"az_deg", JsonNumber(r.moon.azDeg)},
                    {"dist_au", JsonNumber(r.moon.distance)},
                    {"topo_ra_hours", JsonNumber(r.moonTopoRaHours)},
                    {"topo_dec_deg", JsonNumber(r.moonTopoDecDeg)},
                    {"illuminated_fraction", JsonNumber(r.moonIlluminatedFraction)},
                    {"phase_angle_deg", JsonNumber(r.moonPhaseAngleDeg)},
                    {"phase_value", JsonNumber(r.moonPhaseValue)}};
    Json bodies = Json::array();
    for (const ReportBody& b : r.bodies) bodies.push_back(body(b, "dist_au"));
    root["bodies"] = std::move(bodies);
    if (r.minorBody) {
        Json minor = body(*r.minorBody, "dist_mkm");
        minor["ra_date_hours"] = JsonNumber(r.minorBodyRaDateHours);
        minor["dec_date_deg"] = JsonNumber(r.minorBodyDecDateDeg);
        root["minor_body"] = std::move(minor);
    }
    if (r.stars) {
        Json stars = Json::array();
        for (const ReportStar& s : *r.stars)
            stars.push_back(Json{{"name", JsonString(s.name)},
                                 {"alt_deg", JsonNumber(s.altDeg)},
                                 {"az_deg", JsonNumber(s.azDeg)},
                                 {"ra_hours", JsonNumber(s.raHours)},
                                 {"dec_deg", JsonNumber(s.decDeg)}});
        root["stars"] = std::move(stars);
    }
    root["events"] = {{"sunrise", JsonNumber(r.sunrise)},
                      {"sunset", JsonNumber(r.sunset)},
                      {"civil_dawn", JsonNumber(r.civilDawn)},
                      {"civil_dusk", JsonNumber(r.civilDusk)},
                      {"nautical_dawn", JsonNumber(r.nauticalDawn)},
                      {"nautical_dusk", JsonNumber(r.nauticalDusk)},
                      {"astronomical_dawn", JsonNumber(r.astronomicalDawn)},
                      {"astronomical_dusk", JsonNumber(r.astronomicalDusk)},
                      {"moonrise", JsonNumber(r.moonrise)},
                      {"moonset", JsonNumber(r.moonset)}};
    return jsontext::JsonLine(root, jsontext::Layout::Spaced);
}
