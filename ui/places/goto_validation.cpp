#include "ui/places/goto_validation.h"

#include <cmath>

#include "chart/chart_projection.h"
#include "core/displayed_instant.h"
#include "core/number_text.h"
#include "core/observing_place.h"
#include "core/timescale.h"
#include "ui/common/dialogs.h"
#include "ui/places/goto_target.h"

std::optional<double> GoToFieldValue(const QString& text, double low, double high) {
    const std::optional<double> v = numtext::ParseNumber(text.toStdString());
    if (!v || *v < low || *v > high) return std::nullopt;
    return v;
}

namespace {

// Reads one field into `value`; on failure the field's message goes into `message`.
bool ReadField(const QString& text, double low, double high, const char* failure, double& value,
               QString& message) {
    const auto v = GoToFieldValue(text, low, high);
    if (!v) {
        message = QString::fromUtf8(failure);
        return false;
    }
    value = *v;
    return true;
}

}  // namespace

RaDecInput CheckRaDecFields(const QString& hours, const QString& minutes, const QString& degrees,
                            const QString& decMinutes, bool south) {
    RaDecInput in;
    double h = 0.0, m = 0.0, d = 0.0, dm = 0.0;
    if (!ReadField(hours, 0.0, 23.0, "Fehler bei Rektaszension(Stunde)", h, in.message) ||
        !ReadField(minutes, 0.0, 59.0, "Fehler bei Rektaszension(Minute)", m, in.message) ||
        !ReadField(degrees, 0.0, 90.0, "Fehler bei Deklination(Grad)", d, in.message) ||
        !ReadField(decMinutes, 0.0, 59.0, "Fehler bei Deklination(Minute)", dm, in.message))
        return in;
    in.ok = true;
    in.raHours = h + m / 60.0;
    in.decDeg = d + dm / 60.0;
    if (south) in.decDeg = -in.decDeg;
    return in;
}

AltAzInput CheckAltAzFields(const QString& azimuth, const QString& altitude) {
    AltAzInput in;
    double a = 0.0, h = 0.0;
    if (!ReadField(azimuth, 0.0, 360.0, "Fehler bei Azimut", a, in.message) ||
        !ReadField(altitude, 0.0, 90.0, "Fehler bei Höhe", h, in.message))
        return in;
    in.ok = true;
    in.azimuthDeg = a;
    in.altitudeDeg = h;
    return in;
}

GoToHorizontal HorizontalOfRaDec(double raHours, double decDeg, GoToEquinox equinox) {
    Shown().setInstantFrame(Place().longitudeDeg, Shown().currentJD);
    const GoToCoords target = ReferTo2000(raHours, decDeg, equinox);
    return HorizontalOfTarget(target.raHours, target.decDeg);
}

bool GoToRaDec(double raHours, double decDeg, GoToEquinox equinox, QWidget* parent) {
    const GoToHorizontal hz = HorizontalOfRaDec(raHours, decDeg, equinox);
    if (hz.altitudeDeg < 0.0) {
        AppDialogs().Message(QStringLiteral("Höhe kleiner Null"),
                             QStringLiteral("Ort nicht sichtbar"), parent);
        return false;
    }
    const ChartPoint p = ProjectToChart((90.0 - hz.altitudeDeg) * kDegToRad, hz.chartAzimuthRad);
    CentreZoomOnChartPoint(p.x, p.y, hz.altitudeDeg);
    return true;
}

bool GoToAltAz(double azimuthDeg, double altitudeDeg) {
    const double a = ChartAzimuthFromNorthDeg(azimuthDeg);
    const ChartPoint p = ProjectToChart((90.0 - altitudeDeg) * kDegToRad, a * kDegToRad);
    CentreZoomOnChartPoint(p.x, p.y, altitudeDeg);
    return true;
}
