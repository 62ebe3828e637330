#include "chart/transit_drawing.h"

#include <algorithm>
#include <cmath>

#include "chart/canvas.h"

namespace {

QPoint Rounded(QPointF p) {
    return QPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
}

// A tick of half length `half` across the path at point i (pixels).
void DrawTick(Canvas& canvas, const std::vector<QPointF>& points, std::size_t i, double half) {
    const QPointF& before = points[i == 0 ? 0 : i - 1];
    const QPointF& after = points[std::min(i + 1, points.size() - 1)];
    const QPointF along = after - before;
    const double length = std::hypot(along.x(), along.y());
    if (length <= 0.0) return;
    const QPointF across(-along.y() / length * half, along.x() / length * half);
    const QPoint a = Rounded(points[i] - across), b = Rounded(points[i] + across);
    canvas.MoveTo(a.x(), a.y());
    canvas.LineTo(b.x(), b.y());
}

// Pixels from the centre line to the strip's left edge at the middle of the line.
double StripHalfWidthPixels(const StripEdges& edges, const std::vector<MapPlace>& centre,
                            const MapProjection& toCanvas) {
    if (edges.left.size() != centre.size() || centre.empty()) return 0.0;
    const std::size_t i = centre.size() / 2;
    const QPointF d = toCanvas(edges.left[i].longitudeDeg, edges.left[i].latitudeDeg) -
                      toCanvas(centre[i].longitudeDeg, centre[i].latitudeDeg);
    return std::hypot(d.x(), d.y());
}

constexpr double kKmPerDegree = 111.195;  // on a sphere of the Earth's mean radius

}  // namespace

double TransitDiscScale(int width, int height, double bodyRadiusDeg) {
    return 0.35 * std::min(width, height) / std::max(bodyRadiusDeg, 1e-6);
}

QPointF TransitDiscPoint(int width, int height, double bodyRadiusDeg, double xDeg, double yDeg) {
    const double scale = TransitDiscScale(width, height, bodyRadiusDeg);
    return QPointF(width / 2.0 + xDeg * scale, height / 2.0 - yDeg * scale);
}

void DrawTransitDisc(Canvas& canvas, const TransitDiscPicture& picture) {
    const QSize size = canvas.LogicalSize();
    const int w = size.width(), h = size.height();
    canvas.Clear(QColor(0, 0, 40));
    const bool sun = picture.body == TransitBody::Sun;
    const QColor disc = sun ? QColor(255, 200, 40) : QColor(200, 200, 190);
    const int r = static_cast<int>(
        std::lround(TransitDiscScale(w, h, picture.bodyRadiusDeg) * picture.bodyRadiusDeg));
    canvas.SetPen(disc);
    canvas.SetBrush(disc);
    canvas.Circle(w / 2, h / 2, r);

    std::vector<QPointF> points;
    points.reserve(picture.path.size());
    for (const TransitPathPoint& p : picture.path)
        points.push_back(TransitDiscPoint(w, h, picture.bodyRadiusDeg, p.xDeg, p.yDeg));
    if (!points.empty()) {
        // A colour that stands out on the Sun, the Moon and the sky alike.
        canvas.SetPen(kTransitPathColour, 2);
        std::vector<QPoint> line;
        for (const QPointF& p : points) line.push_back(Rounded(p));
        canvas.Polyline(line);
        canvas.SetPen(kTransitPathColour, 1);
        for (std::size_t i = 0; i < points.size(); ++i) {
            const bool second =
                i >= picture.firstWholeSecond && (i - picture.firstWholeSecond) % 10 == 0;
            DrawTick(canvas, points, i, second ? 9.0 : 5.0);
        }
        if (picture.closest < points.size()) {
            const QPoint c = Rounded(points[picture.closest]);
            canvas.SetBrush(Qt::black, BrushStyle::Clear);
            canvas.SetPen(kTransitPathColour, 1);
            canvas.Circle(c.x(), c.y(), 7);
        }
    }
    canvas.SetTextBackground(TextBackground::Transparent);
    canvas.SetFont(CanvasFont::Points(QStringLiteral("Arial"), 9, false, Qt::white));
    int y = 6;
    for (const QString& text : picture.lines) {
        canvas.TextOut(8, y, text);
        y += canvas.TextHeight(text) + 2;
    }
    canvas.End();
}

StripEdges StripEdgesOf(const std::vector<CentreLinePoint>& line) {
    StripEdges edges;
    if (line.size() < 2) return edges;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const GeodeticPoint& a = line[i == 0 ? 0 : i - 1].point;
        const GeodeticPoint& b = line[std::min(i + 1, line.size() - 1)].point;
        const GeodeticPoint& p = line[i].point;
        const double cosLat = std::cos(p.latitudeDeg * M_PI / 180.0);
        // Direction of travel in km east and north.
        double dLon = b.longitudeDeg - a.longitudeDeg;
        if (dLon > 180.0) dLon -= 360.0;
        if (dLon < -180.0) dLon += 360.0;
        const double east = dLon * cosLat * kKmPerDegree;
        const double north = (b.latitudeDeg - a.latitudeDeg) * kKmPerDegree;
        const double length = std::hypot(east, north);
        if (length <= 0.0) continue;
        // Left of the direction of travel: (-north, east).
        const double half = line[i].stripHalfWidthKm;
        const double leftEast = -north / length * half, leftNorth = east / length * half;
        const double dLatDeg = leftNorth / kKmPerDegree;
        const double dLonDeg = leftEast / (kKmPerDegree * std::max(cosLat, 1e-6));
        edges.left.push_back({p.longitudeDeg + dLonDeg, p.latitudeDeg + dLatDeg});
        edges.right.push_back({p.longitudeDeg - dLonDeg, p.latitudeDeg - dLatDeg});
    }
    return edges;
}

void DrawCentreLine(Canvas& canvas, const std::vector<CentreLinePoint>& line, const MapPlace& place,
                    const MapProjection& toCanvas, const QStringList& legend) {
    auto polyline = [&](const std::vector<MapPlace>& ground) {
        std::vector<QPoint> points;
        for (const MapPlace& g : ground)
            points.push_back(Rounded(toCanvas(g.longitudeDeg, g.latitudeDeg)));
        if (points.size() >= 2) canvas.Polyline(points);
    };
    const StripEdges edges = StripEdgesOf(line);
    canvas.SetPen(QColor(255, 160, 160), 1);
    polyline(edges.left);
    polyline(edges.right);
    std::vector<MapPlace> centre;
    for (const CentreLinePoint& p : line)
        centre.push_back({p.point.longitudeDeg, p.point.latitudeDeg});
    // Thin where the strip's edges stand apart from it, else thick enough to be seen.
    canvas.SetPen(kCentreLineColour, StripHalfWidthPixels(edges, centre, toCanvas) > 1.5 ? 1 : 2);
    polyline(centre);
    const QPoint at = Rounded(toCanvas(place.longitudeDeg, place.latitudeDeg));
    canvas.SetPen(Qt::cyan, 2);
    canvas.MoveTo(at.x() - 6, at.y());
    canvas.LineTo(at.x() + 7, at.y());
    canvas.MoveTo(at.x(), at.y() - 6);
    canvas.LineTo(at.x(), at.y() + 7);

    canvas.SetTextBackground(TextBackground::Opaque);
    canvas.SetBrush(Qt::black);
    canvas.SetFont(CanvasFont::Points(QStringLiteral("Arial"), 8, false, Qt::white));
    int y = canvas.LogicalSize().height() - 4;
    for (auto text = legend.rbegin(); text != legend.rend(); ++text) {
        y -= canvas.TextHeight(*text) + 1;
        canvas.TextOut(4, y, *text);
    }
}
