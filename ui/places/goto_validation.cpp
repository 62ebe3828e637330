#include "ui/places/goto_validation.h"

#include <cmath>

#include "chart/chart_projection.h"
#include "core/number_text.h"
#include "core/observer_state.h"
#include "core/timescale.h"
#include "ui/common/dialogs.h"
#include "ui/places/goto_target.h"

std::optional<double> GoToFieldValue(const QString& text, double low, double high) {
    const std::optional<double> v = numtext::ParseNumber(text.toStdString());
    if (!v || *v < low || *v > high) return std::nullopt;
    return v;
}

RaDecInput CheckRaDecFields(const QString& hours, const QString& minutes, const QString& degrees,
                            const QString& decMinutes, bool south) {
    RaDecInput in;
    const auto h = GoToFieldValue(hours, 0.0, 23.0);
    if (!h) {
        in.message = QStringLiteral("Fehler bei Rektaszension(Stunde)");
        return in;
    }
    const auto m = GoToFieldValue(minutes, 0.0, 59.0);
    if (!m) {
        in.message = QStringLiteral("Fehler bei Rektaszension(Minute)");
        return in;
    }
    const auto d = GoToFieldValue(degrees, 0.0, 90.0);
    if (!d) {
        in.message = QStringLiteral("Fehler bei Deklination(Grad)");
        return in;
    }
    const auto dm = GoToFieldValue(decMinutes, 0.0, 59.0);
    if (!dm) {
        in.message = QStringLiteral("Fehler bei Deklination(Minute)");
        return in;
    }
    in.ok = true;
    in.raHours = *h + *m / 60.0;
    in.decDeg = *d + *dm / 60.0;
    if (south) in.decDeg = -in.decDeg;
    return in;
}

AltAzInput CheckAltAzFields(const QString& azimuth, const QString& altitude) {
    AltAzInput in;
    const auto a = GoToFieldValue(azimuth, 0.0, 360.0);
    if (!a) {
        in.message = QStringLiteral("Fehler bei Azimut");
        return in;
    }
    const auto h = GoToFieldValue(altitude, 0.0, 90.0);
    if (!h) {
        in.message = QStringLiteral("Fehler bei Höhe");
        return in;
    }
    in.ok = true;
    in.azimuthDeg = *a;
    in.altitudeDeg = *h;
    return in;
}

bool GoToRaDec(double raHours, double decDeg, GoToEquinox equinox, QWidget* parent) {
    ObserverState& o = Observer();
    o.siderealHours = LocalSiderealTime(o.longitudeDeg, o.currentJD);
    const GoToCoords target = ReferTo2000(raHours, decDeg, equinox);
    const GoToHorizontal hz = HorizontalOfTarget(target.raHours, target.decDeg);
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
