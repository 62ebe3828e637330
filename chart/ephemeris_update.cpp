// Sky shades and the Sun/Moon half of the ephemeris update. The full update, which
// also reads the sky data files, is in chart/sky_chart_compute.cpp.
#include "chart/ephemeris_update.h"

#include <cmath>

#include "chart/body_plot.h"
#include "chart/chart_projection.h"
#include "core/displayed_instant.h"
#include "core/frames.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"

namespace {
SkyShades gShades;
}  // namespace

SkyShades& ChartShades() { return gShades; }
void ResetChartShades() { gShades = SkyShades{}; }

int SkyGreyLevel(double sunAltitudeDeg) {
    const int h = IntPart(sunAltitudeDeg);
    double level;
    if (h >= 0)
        level = 160.0;
    else if (h >= -12)
        level = 5.0 * (h + 12) + 100.5;
    else
        level = 10.0 * (h + 18) + 40.5;
    const int grey = IntPart(level);
    return grey < 0 ? 0 : grey;
}

int LineGreyLevel(double sunAltitudeDeg) {
    const int h = IntPart(sunAltitudeDeg);
    if (h >= 0) return 180;
    if (h >= -18) return IntPart((h + 18) * 60.0 / 18.0 + 120.0 + 0.5);
    return 120;
}

namespace {

// Steps 1 and 2: the frame of date with the apparent sidereal time, and ephemeris time.
void SetTimes(double eastLongitudeDeg, JD1900 instant) {
    Shown().setInstantFrame(eastLongitudeDeg, instant);
}

}  // namespace

void UpdateSunAndShades(double cosLatitude, double sinLatitude, double eastLongitudeDeg,
                        JD1900 instant) {
    (void)cosLatitude;  // the Sun and Moon take the latitude from the observer records (Place(),
                        // Shown())
    (void)sinLatitude;
    SetTimes(eastLongitudeDeg, instant);
    SunPosition(Shown().dynamicJD);
    SunForChart(Place(), Shown());
    PlotSun();
    gShades.skyGrey = SkyGreyLevel(Sun().altitudeDeg);
    gShades.lineGrey = LineGreyLevel(Sun().altitudeDeg);
    MoonPosition(Shown().dynamicJD, Place(), Shown());
    PlotMoon();
}

void UpdateSunMoon(double cosLatitude, double sinLatitude, double eastLongitudeDeg,
                   JD1900 instant) {
    SetTimes(eastLongitudeDeg, instant);
    SunPosition(Shown().dynamicJD);
    // The Sun's right ascension, declination and altitude, without a chart position.
    SunState& s = Sun();
    const SunCoordinates trueOfDate = TrueSunCoordinates(s, Shown().frame.nutationObliquityRad);
    s.rightAscension = trueOfDate.rightAscension;
    s.declination = trueOfDate.declination;
    const double hourAngle = HourAngle(Shown().siderealHours, s.rightAscension * 12.0 / kPi);
    const HorizontalCoords hz =
        EquatorialToHorizontal(hourAngle, s.declination, sinLatitude, cosLatitude);
    s.altitudeDeg = hz.altitude * kRadToDeg;
    s.azimuth = hz.azimuth;
    MoonPosition(Shown().dynamicJD, Place(), Shown());
    PlotMoon();
}
