#include "chart/chart_identify.h"

#include <cmath>

#include "catalog/catalog.h"
#include "chart/body_plot.h"
#include "chart/chart_projection.h"
#include "chart/chart_view.h"
#include "chart/plot_tables.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/minor_body.h"
#include "core/number_text.h"
#include "core/observing_place.h"
#include "prediction/selection_state.h"
#include "satellite/loaded_elements.h"
#include "satellite/observation.h"
#include "satellite/satellite_table.h"
#include "satellite/satellites_at_instant.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// --- number texts ---------------------------------------------------------------

QString Fixed(double v, int decimals) { return QString::number(v, 'f', decimals); }

// Shortest decimal form of a value rounded to a step (value * scale + 0.5,
// truncated, divided again).
QString Shortest(double v, double scale) {
    const double rounded = IntPart(v * scale + 0.5) / scale;
    return QString::number(rounded, 'g', 15);
}

QString WholeKm(double v) { return QString::number(IntPart(v + 0.5)); }

QString Columns(const std::string& line, int first, int last) {
    if (static_cast<int>(line.size()) < first) return QString();
    const std::string part =
        line.substr(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1));
    return QString::fromLatin1(part.data(), static_cast<qsizetype>(part.size()));
}

QString TrimRight(QString s) {
    while (!s.isEmpty() && s.back() == QLatin1Char(' ')) s.chop(1);
    return s;
}

QString TrimLeft(QString s) {
    int i = 0;
    while (i < s.size() && s[i] == QLatin1Char(' ')) ++i;
    return s.mid(i);
}

// Altitude and azimuth (north through east) of a plot position.
struct PlotAltAz {
    double altitudeDeg = 0.0;
    double azimuthDeg = 0.0;
};

PlotAltAz AltAzOfPlot(double x, double y) {
    const double dx = x - ChartView().chartCentreX, dy = y - ChartView().chartCentreY;
    const double r = std::sqrt(dx * dx + dy * dy);
    PlotAltAz a;
    a.altitudeDeg = (kPi / 2.0 - 2.0 * std::atan(r / ChartView().chartRadius)) * 180.0 / kPi;
    double az = r > 0.0 ? AngleOf(dy / r, dx / r) : 0.0;
    az = (az - ChartView().rotationRad) * 180.0 / kPi + 180.0;
    while (az < 0.0) az += 360.0;
    while (az > 360.0) az -= 360.0;
    a.azimuthDeg = az;
    return a;
}

QString AltAzLines(double altitudeDeg, double azimuthDeg) {
    return QStringLiteral("Höhe: ") + Fixed(altitudeDeg, 2) + QStringLiteral(" Grad") + kCrLf +
           QStringLiteral("Azimut: ") + Fixed(azimuthDeg, 2) + QStringLiteral(" Grad") + kCrLf;
}

bool Near(double px, double py, int x, int y, int maxDx, int maxDy, bool dxInclusive) {
    const int dx = std::abs(x - IntPart(px)), dy = std::abs(y - IntPart(py));
    return (dxInclusive ? dx <= maxDx : dx < maxDx) && dy < maxDy;
}

// --- the texts of the information box ----------------------------------------------

QString MinorBodyText() {
    const MinorBodyState& m = MinorBody();
    QString t = QString::fromStdString(m.name) + kCrLf;
    t += QStringLiteral("Entfernung: ") + Fixed(m.distance, m.distance >= 200.0 ? 0 : 1) +
         QStringLiteral(" Mio km") + kCrLf;
    t += QStringLiteral("Helligkeit: ") + Fixed(m.magnitude, 1) + QStringLiteral(" mag") + kCrLf +
         kCrLf;
    double az = m.azimuthDeg + 180.0;
    while (az < 0.0) az += 360.0;
    while (az > 360.0) az -= 360.0;
    t += AltAzLines(m.altitudeDeg, az);
    return t;
}

QString BodyText(int i) {
    const BodyPlotEntry& b = BodyPlotTable()[static_cast<size_t>(i)];
    const auto name = kBodyNames[static_cast<size_t>(i)];
    QString t = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) + kCrLf;
    const bool giant = i == kBodyJupiter || i == kBodySaturn || i == kBodyUranus;
    t += QStringLiteral("Entfernung: ") + Fixed(b.distance * 149.6, giant ? 0 : 1) +
         QStringLiteral(" Mio km") + kCrLf;
    if (i >= kBodyMercury)
        t +=
            QStringLiteral("Helligkeit: ") + Fixed(b.magnitude, 1) + QStringLiteral(" mag") + kCrLf;
    t += kCrLf;
    if (i < kBodyMercury) t += kCrLf;
    const PlotAltAz a = AltAzOfPlot(b.x, b.y);
    t += AltAzLines(a.altitudeDeg, a.azimuthDeg);
    return t;
}

QString LabelText(int number) {
    const std::string& text = LabelPlotTable()[static_cast<size_t>(number - 1)].text;
    QString longText =
        text.size() > 3
            ? QString::fromLatin1(text.data() + 3, static_cast<qsizetype>(text.size() - 3))
            : QString();
    longText.replace(QLatin1Char('|'), kCrLf);
    return longText + kCrLf;
}

QString NebulaText(int number) {
    const std::string line = ReadNebulaLine(number);
    QString t = Columns(line, 20, 44) + kCrLf;
    t += QStringLiteral("Entfernung ") + TrimRight(Columns(line, 45, 52)) +
         QStringLiteral(" Lichtjahre") + kCrLf;
    t += Columns(line, 53, 72) + kCrLf;
    return t;
}

// "Entfernung: 8.6 Lichtjahre", or "Entfernung: unbekannt" for a star whose catalogue
// line has no distance (columns 33-37 blank).
QString StarDistanceLine(const QString& distanceColumns) {
    const QString distance = distanceColumns.trimmed();
    if (distance.isEmpty()) return QStringLiteral("Entfernung: unbekannt");
    return QStringLiteral("Entfernung: ") + distance + QStringLiteral(" Lichtjahre");
}

QString StarText(int number) {
    const std::string line = ReadStarLine(number);
    const CatalogueKind kind = ClassifyCatalogueField(line);
    QString t;
    if (kind == CatalogueKind::Hipparcos)
        t = QStringLiteral("HIP ") + TrimLeft(Columns(line, 41, 50));
    else if (kind == CatalogueKind::Tycho)
        t = QStringLiteral("TYC ") + TrimLeft(Columns(line, 39, 50));
    else
        t = TrimRight(Columns(line, 23, 32)) + QStringLiteral(" ") + Columns(line, 20, 22);
    t += kCrLf;
    const bool short38 = line.size() < 38;
    if (kind == CatalogueKind::Hipparcos || kind == CatalogueKind::Tycho) {
        t += QStringLiteral("Fixstern") + kCrLf;
    } else if (short38) {
        t += kCrLf + QStringLiteral("Fixstern") + kCrLf;
    } else if (line[37] != ' ') {
        t += Columns(line, 38, 57) + kCrLf;
    } else {
        t += QStringLiteral("Fixstern") + kCrLf;
    }
    t += Columns(line, 58, 97) + kCrLf;
    t += StarDistanceLine(Columns(line, 33, 37)) + kCrLf;
    t += QStringLiteral("Helligkeit: ") + Columns(line, 15, 19) + QStringLiteral(" mag") + kCrLf +
         kCrLf;
    const StarPlotEntry& e = StarPlotTable()[static_cast<size_t>(number - 1)];
    const PlotAltAz a = AltAzOfPlot(e.x, e.y);
    t += AltAzLines(a.altitudeDeg, a.azimuthDeg);
    return t;
}

QString SatelliteText(int k) {
    Selection().infoFromSelection = true;
    const SatelliteDetailValues details =
        SelectedSatelliteDetails(k - 1, Shown().currentJD, PlaceOf(Place()));
    const OrbitState& s = details.state;
    const SatObservation& v = details.seen;
    const SatelliteTable& table = Satellites();
    const double a = s.semiMajorAxisER, e = s.eccentricity;
    const double perigee = ((1.0 - e) * a - 1.0) * 6378.15;
    const double apogee = ((1.0 + e) * a - 1.0) * 6378.15;
    const int row = table.SelectedRow(k - 1);
    const bool known = row >= 1 && row < static_cast<int>(table.magnitudeKnown.size()) &&
                       table.magnitudeKnown[static_cast<size_t>(row)] != 0;
    QString t = QString::fromStdString(details.name) + kCrLf;
    t += QString::fromStdString(details.catalogueText) + kCrLf;
    t += WholeKm(perigee) + QStringLiteral(" x ") + WholeKm(apogee) + QStringLiteral(" km, ") +
         Shortest(details.inclinationDeg, 100.0) + QStringLiteral(" Grad") + kCrLf + kCrLf;
    t += QStringLiteral("Helligkeit: ") + Shortest(v.magnitude, 10.0) +
         (known ? QString() : QStringLiteral(":")) + QStringLiteral(" mag") + kCrLf;
    t += QStringLiteral("Phasenwinkel: ") + Shortest(v.phaseAngleDeg, 10.0) +
         QStringLiteral(" Grad") + kCrLf + kCrLf;
    t += QStringLiteral("Entfernung: ") + WholeKm(v.rangeKm) + QStringLiteral(" km") + kCrLf;
    t += QStringLiteral("Flughöhe: ") + WholeKm(v.heightKm) + QStringLiteral(" km") + kCrLf;
    t += QStringLiteral("Schattenabstand: ") + WholeKm(v.shadowDepthKm) + QStringLiteral(" km") +
         kCrLf + kCrLf;
    t += QStringLiteral("Geschwindigkeit: ") + Shortest(details.angularSpeedDegSec, 1000.0) +
         QStringLiteral(" Grad/Sekunde") + kCrLf;
    t += QStringLiteral("Bahnalter: ") + Shortest(s.minutesSinceEpoch / 1440.0, 10.0) +
         QStringLiteral(" Tage") + kCrLf;
    return t;
}

}  // namespace

QString IdentifyAt(int x, int y, int* blinkLabel, bool* hit) {
    if (blinkLabel) *blinkLabel = 0;
    if (hit) *hit = true;
    const MinorBodyOnChart& m = MinorBodyPlot();
    if (Near(m.chartX, m.chartY, x, y, 4, 4, false) && (m.chartX != 0.0 || m.chartY != 0.0))
        return MinorBodyText();
    for (int i = 0; i < kBodyCount; ++i) {
        const BodyPlotEntry& b = BodyPlotTable()[static_cast<size_t>(i)];
        if ((b.x != 0.0 || b.y != 0.0) && Near(b.x, b.y, x, y, 3, 4, true)) return BodyText(i);
    }
    if (ViewOptions().showConstellationNames) {
        for (int n = 1; n <= kLabelPlotCount; ++n) {
            const LabelPlotEntry& e = LabelPlotTable()[static_cast<size_t>(n - 1)];
            if ((e.x != 0.0 || e.y != 0.0) && Near(e.x, e.y, x, y, 5, 6, true)) {
                if (blinkLabel) *blinkLabel = n;
                return LabelText(n);
            }
        }
    }
    for (int n = 1; n <= kNebulaPlotCount; ++n) {
        const NebulaPlotEntry& e = NebulaPlotTable()[static_cast<size_t>(n - 1)];
        if ((e.x != 0.0 || e.y != 0.0) && Near(e.x, e.y, x, y, 3, 4, true)) return NebulaText(n);
    }
    const StarPlotTableData& stars = StarPlotTable();
    for (int n = 1; n <= kStarPlotCount; ++n) {
        const StarPlotEntry& e = stars[static_cast<size_t>(n - 1)];
        if ((e.x != 0.0 || e.y != 0.0) && Near(e.x, e.y, x, y, 3, 4, true)) return StarText(n);
    }
    if (ElementFile().satelliteCount > 0) {
        const SatelliteTable& sats = Satellites();
        for (int k = 1; k <= sats.selectedCount; ++k) {
            const double sx = sats.chartX[static_cast<size_t>(k)],
                         sy = sats.chartY[static_cast<size_t>(k)];
            if ((sx != 0.0 || sy != 0.0) && Near(sx, sy, x, y, 3, 4, true)) return SatelliteText(k);
        }
    }
    if (hit) *hit = false;
    return QStringLiteral("Da ist nichts!");
}
