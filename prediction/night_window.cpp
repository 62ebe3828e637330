#include "prediction/night_window.h"

#include <algorithm>
#include <cmath>

#include "core/frames.h"
#include "core/number_text.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"

namespace {

PassWindowState& WindowStorage() {
    static PassWindowState state;
    return state;
}

double LatitudeRad(const ObservingPlace& place) {
    return std::atan2(place.sinLatitude, place.cosLatitude);
}

// Right ascension (hours) and declination (radians) of the Sun at UT t.
void SunEquatorial(JD1900 t, double deltaTDays, double& raHours, double& dec) {
    const SunState s = SunPositionAt(t + deltaTDays);
    raHours = AngleOf(s.x, s.y) * 12.0 / kPi;
    const double r = std::sqrt(s.x * s.x + s.y * s.y + s.z * s.z);
    dec = SafeArcSin(s.z / r);
}

// The evening (or morning) side of a night.
struct NightSide {
    NightKind kind = NightKind::Normal;
    JD1900 time = 0.0;
};

// evening: the Sun sinking below the limit after the transit of `noon`; otherwise the
// Sun rising above it before that transit.
NightSide SideOfNight(JD1900 noon, double deltaTDays, double limitDeg, bool evening,
                      const ObservingPlace& place) {
    const SunTransit sun = SunTransitNear(noon, deltaTDays, limitDeg, place);
    NightSide side;
    if (std::fabs(sun.cosH0) < 1.0) {
        const double h0Deg = std::acos(sun.cosH0) * kRadToDeg;
        side.time = SecantStep(evening ? sun.transit + h0Deg / 360.0 : sun.transit - h0Deg / 360.0,
                               limitDeg, deltaTDays, place);
        return side;
    }
    // Highest altitude of the Sun that day, 90 - |latitude - declination| (degrees):
    // the same in both hemispheres.
    const double highestDeg =
        90.0 - std::fabs(LatitudeRad(place) * kRadToDeg - sun.declination * kRadToDeg);
    side.kind = limitDeg > highestDeg ? NightKind::DarkAllDay : NightKind::NoDarkness;
    side.time = sun.transit;
    return side;
}

// Shifts t by whole steps to the Sun's lower transit: the first step goes forward
// (after) or backward (before) by less than a day, two more go to the nearest one.
JD1900 ToLowerTransit(JD1900 t, double deltaTDays, bool forward, const ObservingPlace& place) {
    double S = SunHourAngle(t, deltaTDays, place);
    t = forward ? t + (kPi - S) / kTwoPi : t - (S + kPi) / kTwoPi;
    for (int i = 0; i < 2; ++i) {
        S = SunHourAngle(t, deltaTDays, place);
        t = S > 0.0 ? t + (kPi - S) / kTwoPi : t - (S + kPi) / kTwoPi;
    }
    return t;
}

}  // namespace

PassWindowState& PassWindow() { return WindowStorage(); }
void ResetPassWindow() { WindowStorage() = PassWindowState{}; }

double SunHourAngle(JD1900 t, double deltaTDays, const ObservingPlace& place) {
    double ra = 0.0, dec = 0.0;
    SunEquatorial(t, deltaTDays, ra, dec);
    return HourAngle(LocalSiderealTime(place.longitudeDeg, t), ra);
}

double SunAltitudeDeg(JD1900 t, double deltaTDays, const ObservingPlace& place) {
    double ra = 0.0, dec = 0.0;
    SunEquatorial(t, deltaTDays, ra, dec);
    const double H = HourAngle(LocalSiderealTime(place.longitudeDeg, t), ra);
    const double sinH =
        std::cos(H) * std::cos(dec) * place.cosLatitude + std::sin(dec) * place.sinLatitude;
    return SafeArcSin(sinH) * kRadToDeg;
}

JD1900 SecantStep(JD1900 t, double limitDeg, double deltaTDays, const ObservingPlace& place) {
    const double f0 = limitDeg - SunAltitudeDeg(t, deltaTDays, place);
    const double f1 = limitDeg - SunAltitudeDeg(t + 0.001, deltaTDays, place);
    if (f0 == f1) return t;
    return t + 0.001 * f0 / (f0 - f1);
}

SunTransit SunTransitNear(JD1900 noon, double deltaTDays, double limitDeg,
                          const ObservingPlace& place) {
    const double theta = LocalSiderealTime(place.longitudeDeg, noon);
    const SunState s = SunPositionAt(noon + deltaTDays);
    const double raHours = AngleOf(s.x, s.y) * 12.0 / kPi;
    SunTransit result;
    result.transit = noon - HourAngle(theta, raHours) / kTwoPi;
    result.declination = SafeArcSin(s.sinObliquity * std::sin(s.trueLongitude));
    result.cosH0 =
        (std::sin(limitDeg * kDegToRad) - std::sin(result.declination) * place.sinLatitude) /
        (std::cos(result.declination) * place.cosLatitude);
    return result;
}

JD1900 LowerTransitBefore(JD1900 end, double deltaTDays, const ObservingPlace& place) {
    return ToLowerTransit(end, deltaTDays, false, place);
}
JD1900 LowerTransitAfter(JD1900 start, double deltaTDays, const ObservingPlace& place) {
    return ToLowerTransit(start, deltaTDays, true, place);
}

double RaisedSunLimitDeg(double declinationDeg, double latitudeDeg) {
    const double lowestDeg = std::fabs(latitudeDeg + declinationDeg) - 90.0;
    // The hundredths at or below the lowest altitude, then one more; the small
    // allowance keeps a value such as 3.43 (stored as 3.4299999...) on its hundredth.
    return std::min((std::floor(100.0 * lowestDeg + 1e-9) + 1.0) / 100.0, 0.0);
}

NightWindowResult ComputeNightWindow(int year, int month, int day, int hour,
                                     double maxSunAltitudeDeg, bool firstHalf, bool secondHalf,
                                     const ObservingPlace& place) {
    if (hour < 12) --day;
    const double deltaTDays = DeltaT(year) / 24.0;
    const JD1900 noon = place.localNoon(year, month, day);
    const NightSide evening = SideOfNight(noon, deltaTDays, maxSunAltitudeDeg, true, place);
    const NightSide morning = SideOfNight(noon + 1.0, deltaTDays, maxSunAltitudeDeg, false, place);

    NightWindowResult result;
    result.eveningNoon = noon;
    if (evening.kind == NightKind::NoDarkness && morning.kind == NightKind::NoDarkness) {
        result.kind = NightKind::NoDarkness;
        return result;
    }
    result.kind = evening.kind == NightKind::DarkAllDay && morning.kind == NightKind::DarkAllDay
                      ? NightKind::DarkAllDay
                      : NightKind::Normal;
    result.start = evening.time;
    result.end = morning.time;
    // The Sun only just reaches the limit: darkness lies about the lower transit, so the
    // side without a crossing mirrors the other one.
    if (evening.kind == NightKind::NoDarkness) {
        result.start = 2.0 * LowerTransitBefore(result.end, deltaTDays, place) - result.end;
    } else if (morning.kind == NightKind::NoDarkness) {
        result.end = 2.0 * LowerTransitAfter(result.start, deltaTDays, place) - result.start;
    }
    if (firstHalf && !secondHalf) result.end = LowerTransitBefore(result.end, deltaTDays, place);
    if (secondHalf && !firstHalf) result.start = LowerTransitAfter(result.start, deltaTDays, place);
    return result;
}

NightWindowResult NightOfInstant(JD1900 instant, double maxSunAltitudeDeg, bool firstHalf,
                                 bool secondHalf, const ObservingPlace& place) {
    const CivilDateTime c = CivilFromJD1900(instant, place.zoneOffsetAt(instant));
    return ComputeNightWindow(c.year, c.month, c.day, c.hour, maxSunAltitudeDeg, firstHalf,
                              secondHalf, place);
}

void SetPassWindow(const NightWindowResult& night) {
    PassWindowState& w = PassWindow();
    w.windowStart = night.start;
    w.windowEnd = night.end;
    w.savedStart = night.start;
    w.savedEnd = night.end;
}

NightWindowResult NightWindow(JD1900 instant, double maxSunAltitudeDeg, bool firstHalf,
                              bool secondHalf, const ObservingPlace& place) {
    const NightWindowResult night =
        NightOfInstant(instant, maxSunAltitudeDeg, firstHalf, secondHalf, place);
    if (night.kind != NightKind::NoDarkness) SetPassWindow(night);
    return night;
}

std::string NightsWithoutDarknessText(const std::vector<NightWithoutDarkness>& nights,
                                      const ObservingPlace& place) {
    std::string text;
    for (std::size_t first = 0; first < nights.size();) {
        std::size_t last = first;
        while (last + 1 < nights.size() && nights[last + 1].limitDeg == nights[first].limitDeg &&
               std::fabs(nights[last + 1].eveningNoon - nights[last].eveningNoon - 1.0) < 0.5)
            ++last;
        const JD1900 firstNoon = nights[first].eveningNoon;
        const std::string from = DateTimeTextsOf(firstNoon, place.zoneOffsetAt(firstNoon)).date;
        if (!text.empty()) text += "\n";
        text += last == first ? "Kein dunkler Himmel in der Nacht vom " + from
                              : "Kein dunkler Himmel in den Nächten vom " + from + " bis " +
                                    DateTimeTextsOf(nights[last].eveningNoon,
                                                    place.zoneOffsetAt(nights[last].eveningNoon))
                                        .date;
        text +=
            ": die Sonne sinkt nicht unter " + numtext::FormatNumber(nights[first].limitDeg) + "°.";
        first = last + 1;
    }
    return text;
}
