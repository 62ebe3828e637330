#include "chart/zoom_identify.h"

#include <QRegularExpression>
#include <cmath>
#include <vector>

#include "chart/body_plot.h"
#include "chart/chart_hooks.h"
#include "chart/chart_identify.h"
#include "chart/chart_projection.h"
#include "chart/chart_view.h"
#include "chart/plot_tables.h"
#include "chart/zoom_chart.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/minor_body.h"
#include "core/non_copyable.h"
#include "core/number_text.h"
#include "core/observing_place.h"
#include "satellite/loaded_elements.h"
#include "satellite/observation.h"
#include "satellite/satellite_table.h"
#include "satellite/satellites_at_instant.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

bool Plotted(double x, double y) { return x != 0.0 || y != 0.0; }

bool Near(double px, double py, int x, int y, int maxDx, int maxDy, bool dxInclusive) {
    const QPoint p = ZoomMap(px, py);
    const int dx = std::abs(x - p.x()), dy = std::abs(y - p.y());
    return (dxInclusive ? dx <= maxDx : dx < maxDx) && dy < maxDy;
}

// While it lives, the plot tables, the satellite positions and the chart geometry are
// those of the zoom window (mapped, unrounded; the disc about the zoom offsets with
// radius R * zoomFactor), so that the main chart's identification finds the objects
// where the zoom window shows them and computes the same altitudes and azimuths.
class ZoomedPlotTables : NonCopyable {
  public:
    ZoomedPlotTables() {
        stars_ = StarPlotTable();
        labels_ = LabelPlotTable();
        nebulae_ = NebulaPlotTable();
        bodies_ = BodyPlotTable();
        minor_ = MinorBodyPlot();
        const SatelliteTable& sats = Satellites();
        satX_.assign(sats.chartX.begin(), sats.chartX.begin() + sats.selectedCount + 1);
        satY_.assign(sats.chartY.begin(), sats.chartY.begin() + sats.selectedCount + 1);
        cx_ = ChartView().chartCentreX;
        cy_ = ChartView().chartCentreY;
        r_ = ChartView().chartRadius;

        auto map = [](double& x, double& y) {
            if (!Plotted(x, y)) return;
            const double mx = ZoomMapX(x), my = ZoomMapY(y);
            x = mx;
            y = my;
        };
        for (StarPlotEntry& e : StarPlotTable()) map(e.x, e.y);
        for (LabelPlotEntry& e : LabelPlotTable()) map(e.x, e.y);
        for (NebulaPlotEntry& e : NebulaPlotTable()) map(e.x, e.y);
        for (BodyPlotEntry& e : BodyPlotTable()) map(e.x, e.y);
        MinorBodyOnChart& m = MinorBodyPlot();
        map(m.chartX, m.chartY);
        SatelliteTable& table = Satellites();
        for (int k = 1; k <= table.selectedCount; ++k)
            map(table.chartX[static_cast<size_t>(k)], table.chartY[static_cast<size_t>(k)]);
        const ZoomOffsets& z = ChartZoomOffsets();
        ChartView().chartCentreX = z.zoomOffsetX;
        ChartView().chartCentreY = z.zoomOffsetY;
        ChartView().chartRadius = r_ * std::max(1, ChartView().zoomFactor);
    }
    ~ZoomedPlotTables() {
        StarPlotTable() = stars_;
        LabelPlotTable() = labels_;
        NebulaPlotTable() = nebulae_;
        BodyPlotTable() = bodies_;
        MinorBodyPlot() = minor_;
        SatelliteTable& table = Satellites();
        for (size_t k = 0; k < satX_.size(); ++k) {
            table.chartX[k] = satX_[k];
            table.chartY[k] = satY_[k];
        }
        ChartView().chartCentreX = cx_;
        ChartView().chartCentreY = cy_;
        ChartView().chartRadius = r_;
    }

  private:
    StarPlotTableData stars_;
    LabelPlotTableData labels_;
    NebulaPlotTableData nebulae_;
    BodyPlotTableData bodies_;
    MinorBodyOnChart minor_;
    std::vector<double> satX_, satY_;
    int cx_ = 0, cy_ = 0, r_ = 0;
};

QString Shortest(double v, double scale) {
    return QString::number(IntPart(v * scale + 0.5) / scale, 'g', 15);
}

bool ReadNumber(const std::string& text, double* value) { return numtext::ParseReal(text, *value); }

// The zoom additions to the satellite text of selected satellite k (from 1).
QString SatelliteAdditions(QString text, int k) {
    const SatelliteDetailValues details =
        SelectedSatelliteDetails(k - 1, Shown().currentJD, PlaceOf(Place()));
    const SatObservation& v = details.seen;
    // The magnitude with one decimal in fixed notation.
    static const QRegularExpression magnitudeLine(
        QStringLiteral("Helligkeit: [^\\r\\n]*?(:?) mag"));
    const QRegularExpressionMatch m = magnitudeLine.match(text);
    if (m.hasMatch())
        text.replace(m.capturedStart(), m.capturedLength(),
                     QStringLiteral("Helligkeit: ") + QString::number(v.magnitude, 'f', 1) +
                         m.captured(1) + QStringLiteral(" mag"));

    const SatelliteTable& table = Satellites();
    const ElementSet set = table.Selected(k - 1);
    const double ageDays = IntPart(details.state.minutesSinceEpoch / 1440.0 * 10.0 + 0.5) / 10.0;
    double ndot2 = 0.0, meanMotion = 0.0;
    const bool ok = ReadNdot2(set.line1, &ndot2) && set.line2.size() >= 63 &&
                    ReadNumber(set.line2.substr(52, 11), &meanMotion);
    text += kCrLf + QStringLiteral("Unsicherheit(10%): ") +
            (ok ? QString::number(ElementUncertaintySeconds(ageDays, ndot2, meanMotion))
                : QStringLiteral("?")) +
            QStringLiteral(" s") + kCrLf;
    const int row = table.SelectedRow(k - 1);
    if (row >= 1 && row < static_cast<int>(table.flareCapable.size()) &&
        table.flareCapable[static_cast<size_t>(row)] != 0) {
        text += QStringLiteral("Flarewinkel: ") + Shortest(v.flareAngleDeg, 100.0) +
                QStringLiteral(" Grad") + kCrLf;
        const QString antenna = MirrorAntennaText(v.flareMirror);
        if (!antenna.isEmpty()) text += antenna + kCrLf;
    }
    return text;
}

}  // namespace

ZoomHit ZoomHitAt(int x, int y) {
    ZoomHit hit;
    const MinorBodyOnChart& m = MinorBodyPlot();
    if (Plotted(m.chartX, m.chartY) && Near(m.chartX, m.chartY, x, y, 4, 4, false))
        return {ZoomHit::MinorBody, 0};
    for (int i = 0; i < kBodyCount; ++i) {
        const BodyPlotEntry& b = BodyPlotTable()[static_cast<size_t>(i)];
        if (Plotted(b.x, b.y) && Near(b.x, b.y, x, y, 3, 4, true)) return {ZoomHit::Body, i};
    }
    if (ViewOptions().showConstellationNames) {
        for (int n = 1; n <= kLabelPlotCount; ++n) {
            const LabelPlotEntry& e = LabelPlotTable()[static_cast<size_t>(n - 1)];
            if (Plotted(e.x, e.y) && Near(e.x, e.y, x, y, 5, 6, true)) return {ZoomHit::Label, n};
        }
    }
    for (int n = 1; n <= kNebulaPlotCount; ++n) {
        const NebulaPlotEntry& e = NebulaPlotTable()[static_cast<size_t>(n - 1)];
        if (Plotted(e.x, e.y) && Near(e.x, e.y, x, y, 3, 4, true)) return {ZoomHit::Nebula, n};
    }
    for (int n = 1; n <= kStarPlotCount; ++n) {
        const StarPlotEntry& e = StarPlotTable()[static_cast<size_t>(n - 1)];
        if (Plotted(e.x, e.y) && Near(e.x, e.y, x, y, 3, 4, true)) return {ZoomHit::Star, n};
    }
    if (ElementFile().satelliteCount > 0) {
        const SatelliteTable& sats = Satellites();
        for (int k = 1; k <= sats.selectedCount; ++k) {
            const double sx = sats.chartX[static_cast<size_t>(k)];
            const double sy = sats.chartY[static_cast<size_t>(k)];
            if (Plotted(sx, sy) && Near(sx, sy, x, y, 3, 4, true)) return {ZoomHit::Satellite, k};
        }
    }
    return hit;
}

QString ZoomIdentifyAt(int x, int y, ZoomHit* hitOut, int* blinkLabel) {
    const ZoomHit hit = ZoomHitAt(x, y);
    if (hitOut) *hitOut = hit;
    QString text;
    {
        ZoomedPlotTables zoomed;
        text = IdentifyAt(x, y, blinkLabel);
    }
    if (hit.kind == ZoomHit::Satellite) text = SatelliteAdditions(text, hit.index);
    return text;
}

int ElementUncertaintySeconds(double ageDays, double ndot2, double meanMotion) {
    const double denominator = ageDays * 2.0 * ndot2 + meanMotion;
    if (denominator == 0.0) return 0;
    return IntPart(ageDays * (ndot2 * 8640.0 * ageDays) / denominator);
}

bool ReadNdot2(const std::string& line1, double* value) {
    if (line1.size() < 43) return false;
    std::string text = line1.substr(33, 1) + "0" + line1.substr(34, 9);
    // The sign column holds a blank, "+" or "-".
    std::string cleaned;
    for (char c : text)
        if (c != ' ') cleaned += c;
    return numtext::ParseReal(cleaned, *value);
}

QString MirrorAntennaText(double flareMirror) {
    const int panel = IntPart(flareMirror + 0.5);
    if (std::fabs(flareMirror - panel) > 1e-9) return QString();
    switch (panel) {
        case 1:
            return QStringLiteral("vordere MMA");
        case 2:
            return QStringLiteral("rechte MMA");
        case 3:
            return QStringLiteral("linke MMA");
        default:
            return QString();
    }
}
