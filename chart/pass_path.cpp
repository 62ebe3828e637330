#include "chart/pass_path.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/observing_place.h"
#include "prediction/pass_lines.h"
#include "satellite/observation.h"

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kMinutesPerDay = 1440.0;
// Found events further apart than this (an open bound) are cut to it about the
// listed instant.
constexpr double kLongestPathMinutes = 30.0;

ShownPassPaths gShown;

std::optional<PassPathPoint> PointAt(const SatelliteOrbit& orbit, const SatelliteLook& look,
                                     const ObserverPlace& place, JD1900 t) {
    const SatObservation seen = ObserveSatellite(orbit, look, t, place);
    if (seen.failed() || !std::isfinite(seen.altitudeDeg) || !(seen.altitudeDeg > 0.0))
        return std::nullopt;
    return PassPathPoint{t, seen.altitudeDeg, seen.azimuthDeg * kDegToRad,
                         seen.shadowDepthKm < 0.0};
}

void AddMark(PassPath& path, PassPathMarkKind kind, const std::optional<PassPathPoint>& at) {
    if (at) path.marks.push_back({kind, *at});
}

// Marks of a path without found events: its ends, its highest sample and each change
// between sunlight and shadow.
void MarkSampledPath(PassPath& path) {
    const std::vector<PassPathPoint>& p = path.points;
    AddMark(path, PassPathMarkKind::Start, p.front());
    AddMark(path, PassPathMarkKind::Highest,
            *std::max_element(p.begin(), p.end(), [](const auto& a, const auto& b) {
                return a.altitudeDeg < b.altitudeDeg;
            }));
    AddMark(path, PassPathMarkKind::End, p.back());
    for (std::size_t i = 1; i < p.size(); ++i)
        if (p[i].inShadow != p[i - 1].inShadow)
            AddMark(path,
                    p[i].inShadow ? PassPathMarkKind::ShadowEntry : PassPathMarkKind::ShadowExit,
                    p[i]);
}

QPointF Unit(QPointF v) {
    const double length = std::hypot(v.x(), v.y());
    return length > 0.0 ? v / length : QPointF(1.0, 0.0);
}

// The direction of the drawn path at instant t (canvas units).
QPointF DirectionAt(const std::vector<QPoint>& drawn, const PassPath& path, JD1900 t) {
    const auto later =
        std::lower_bound(path.points.begin(), path.points.end(), t,
                         [](const PassPathPoint& p, JD1900 u) { return p.time < u; });
    std::size_t i = static_cast<std::size_t>(later - path.points.begin());
    i = std::clamp<std::size_t>(i, 1, drawn.size() - 1);
    return Unit(QPointF(drawn[i] - drawn[i - 1]));
}

void DrawMark(Canvas& canvas, const PassPathMark& mark, QPoint p, const PassPathStyle& style) {
    const int s = style.markSize;
    canvas.SetPen(style.line, style.lineWidth);
    canvas.SetBrush(style.line, BrushStyle::Clear);
    switch (mark.kind) {
        case PassPathMarkKind::Start:  // an open square
            canvas.Rectangle(p.x() - s, p.y() - s, p.x() + s + 1, p.y() + s + 1);
            break;
        case PassPathMarkKind::Highest:  // an open diamond
            canvas.Polyline({{p.x(), p.y() - s - 1},
                             {p.x() + s + 1, p.y()},
                             {p.x(), p.y() + s + 1},
                             {p.x() - s - 1, p.y()},
                             {p.x(), p.y() - s - 1}});
            break;
        case PassPathMarkKind::End:  // a cross
            canvas.MoveTo(p.x() - s, p.y() - s);
            canvas.LineTo(p.x() + s + 1, p.y() + s + 1);
            canvas.MoveTo(p.x() - s, p.y() + s);
            canvas.LineTo(p.x() + s + 1, p.y() - s - 1);
            break;
        case PassPathMarkKind::ShadowEntry:  // a filled disc in the shadow's colour
        case PassPathMarkKind::ShadowExit:
            canvas.SetPen(style.shadowLine, style.lineWidth);
            canvas.SetBrush(style.shadowLine);
            canvas.Circle(p.x(), p.y(), std::max(1, s - 1));
            break;
    }
}

}  // namespace

ChartPoint PassPathPoint::Chart() const {
    return ProjectToChart((90.0 - altitudeDeg) * kDegToRad, azimuthRad);
}

PassPath ComputePassPath(const SatelliteOrbit& orbit, const SatelliteLook& look,
                         const ObservingPlace& observer, const PassRecord& record) {
    const ObserverPlace place = PlaceOf(observer);
    const PassEvents& events = record.events;
    const double half =
        (events.found ? kLongestPathMinutes / 2.0 : kPassPathOpenMinutes) / kMinutesPerDay;
    JD1900 first = record.time - half, last = record.time + half;
    if (events.found) {
        first = std::max(first, events.start.time);
        last = std::min(last, events.end.time);
    }
    PassPath path;
    const double step = kPassPathStepSeconds / kSecondsPerDay;
    const int steps = std::max(0, static_cast<int>(std::ceil((last - first) / step)));
    for (int i = 0; i <= steps; ++i) {
        const JD1900 t = std::min(first + i * step, last);
        if (const auto p = PointAt(orbit, look, place, t)) path.points.push_back(*p);
    }
    if (path.empty()) return path;

    for (double minute = std::ceil(first * kMinutesPerDay); minute / kMinutesPerDay <= last;
         minute += 1.0) {
        const JD1900 t = minute / kMinutesPerDay;
        const auto p = PointAt(orbit, look, place, t);
        if (!p) continue;
        // Half a second on: a whole minute never reads as the one before.
        const DateTimeTexts texts =
            DateTimeTextsOf(t + 0.5 / kSecondsPerDay, observer.zoneOffsetAt(t));
        path.ticks.push_back({*p, texts.time.substr(0, 5)});
    }

    if (!events.found) {
        MarkSampledPath(path);
        return path;
    }
    const auto start = PointAt(orbit, look, place, path.points.front().time);
    const auto end = PointAt(orbit, look, place, path.points.back().time);
    AddMark(path, PassPathMarkKind::Start, start);
    AddMark(path, PassPathMarkKind::Highest, PointAt(orbit, look, place, events.highest.time));
    AddMark(path, PassPathMarkKind::End, end);
    if (events.startLimit == PassLimit::Shadow) AddMark(path, PassPathMarkKind::ShadowExit, start);
    if (events.endLimit == PassLimit::Shadow) AddMark(path, PassPathMarkKind::ShadowEntry, end);
    return path;
}

// --- the shown paths -----------------------------------------------------------------

ShownPassPaths& ShownPassPath() { return gShown; }

void ShowPassPath(PassPath path, JD1900 shownAt) {
    path.shownAt = shownAt;
    gShown.mainChart = path;
    gShown.zoomChart = std::move(path);
}

void DropPassPathsShownBefore(JD1900 now) {
    for (PassPath* path : {&gShown.mainChart, &gShown.zoomChart})
        if (!path->empty() && path->shownAt != now) *path = PassPath{};
}

bool DropMainChartPassPath() {
    const bool shown = !gShown.mainChart.empty();
    gShown.mainChart = PassPath{};
    return shown;
}

void DropZoomChartPassPath() { gShown.zoomChart = PassPath{}; }

// --- drawing -------------------------------------------------------------------------

PassPathStyle ScreenPassPathStyle() { return PassPathStyle{}; }

void DrawPassPath(Canvas& canvas, const PassPath& path,
                  const std::function<QPoint(double x, double y)>& map,
                  const PassPathStyle& style) {
    if (path.empty()) return;
    const CanvasPen savedPen = canvas.Pen();
    const CanvasBrush savedBrush = canvas.Brush();
    const CanvasFont savedFont = canvas.Font();
    const TextBackground savedBackground = canvas.Background();
    auto at = [&map](const PassPathPoint& p) {
        const ChartPoint c = p.Chart();
        return map(c.x, c.y);
    };
    std::vector<QPoint> drawn;
    drawn.reserve(path.points.size());
    for (const PassPathPoint& p : path.points) drawn.push_back(at(p));

    const double gap = 1.5 * kPassPathStepSeconds / kSecondsPerDay;
    for (std::size_t i = 1; i < drawn.size(); ++i) {
        if (path.points[i].time - path.points[i - 1].time > gap) continue;
        const bool dark = path.points[i].inShadow && path.points[i - 1].inShadow;
        canvas.SetPen(dark ? style.shadowLine : style.line, style.lineWidth);
        canvas.MoveTo(drawn[i - 1].x(), drawn[i - 1].y());
        canvas.LineTo(drawn[i].x(), drawn[i].y());
    }

    canvas.SetFont(style.font);
    canvas.Font().color = style.text;
    canvas.SetTextBackground(TextBackground::Transparent);
    for (const PassPathTick& tick : path.ticks) {
        const QPoint p = at(tick.at);
        const QPointF d = drawn.size() > 1 ? DirectionAt(drawn, path, tick.at.time) : QPointF(1, 0);
        const QPointF n(-d.y(), d.x());
        const QPointF a = QPointF(p) + n * style.tickLength, b = QPointF(p) - n * style.tickLength;
        canvas.SetPen(style.line, style.lineWidth);
        canvas.MoveTo(IntPart(a.x()), IntPart(a.y()));
        canvas.LineTo(IntPart(b.x()), IntPart(b.y()));
        const QString text = QString::fromStdString(tick.clock);
        const QSize size = canvas.TextExtent(text);
        const double reach = style.tickLength + 2.0 + 0.5 * std::max(size.width(), size.height());
        const QPointF centre = QPointF(p) + n * reach;
        const int top = style.yUp ? IntPart(centre.y() + size.height() / 2.0)
                                  : IntPart(centre.y() - size.height() / 2.0);
        canvas.TextOut(IntPart(centre.x() - size.width() / 2.0), top, text);
    }

    for (const PassPathMark& mark : path.marks) DrawMark(canvas, mark, at(mark.at), style);

    canvas.Pen() = savedPen;
    canvas.Brush() = savedBrush;
    canvas.SetFont(savedFont);
    canvas.SetTextBackground(savedBackground);
}
