// The transit pictures: the path across the disc with its ticks, and the centre line
// with the edges of its strip and the place on a map.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/canvas.h"
#include "chart/transit_drawing.h"

namespace {

QColor At(const Canvas& canvas, QPointF p) {
    return canvas.Pixel(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
}

// A horizontal path through the centre of a disc of 0.25°, every 0.1 s at 0.05°.
TransitDiscPicture StraightPath() {
    TransitDiscPicture picture;
    picture.body = TransitBody::Sun;
    picture.bodyRadiusDeg = 0.25;
    for (int i = -20; i <= 20; ++i) picture.path.push_back({i / 864000.0, i * 0.05, 0.0});
    picture.closest = 20;
    return picture;
}

TEST(TransitDiscTest, PathCrossesTheDiscWithTicks) {
    Canvas canvas(648, 488);
    const TransitDiscPicture picture = StraightPath();
    DrawTransitDisc(canvas, picture);
    const double scale = TransitDiscScale(648, 488, 0.25);
    EXPECT_NEAR(2.0 * 0.25 * scale, 0.7 * 488, 1e-9);
    // On the path, away from the ring of the closest approach.
    EXPECT_EQ(At(canvas, TransitDiscPoint(648, 488, 0.25, 0.125, 0.0)), kTransitPathColour);
    // A tick 4 pixels above the path at a point, none between two points.
    const QPointF tick = TransitDiscPoint(648, 488, 0.25, 0.15, 0.0) - QPointF(0, 4);
    const QPointF between = TransitDiscPoint(648, 488, 0.25, 0.175, 0.0) - QPointF(0, 4);
    EXPECT_EQ(At(canvas, tick), kTransitPathColour);
    EXPECT_NE(At(canvas, between), kTransitPathColour);
    // The disc itself off the path, and the sky beyond it.
    EXPECT_EQ(At(canvas, TransitDiscPoint(648, 488, 0.25, 0.0, 0.2)), QColor(255, 200, 40));
    EXPECT_EQ(At(canvas, TransitDiscPoint(648, 488, 0.25, 0.0, 0.3)), QColor(0, 0, 40));
}

// A line northwards along 10° E from 50° N, 1 km per point, strip half width 5 km.
std::vector<CentreLinePoint> NorthwardLine() {
    std::vector<CentreLinePoint> line;
    for (int i = 0; i <= 40; ++i) {
        CentreLinePoint p;
        p.point = {50.0 + i / 111.195, 10.0, 0.0};
        p.stripHalfWidthKm = 5.0;
        line.push_back(p);
    }
    return line;
}

TEST(TransitMapTest, StripEdgesLieTheHalfWidthBesideTheLine) {
    const StripEdges edges = StripEdgesOf(NorthwardLine());
    ASSERT_EQ(edges.left.size(), 41u);
    const double kmPerLonDeg = 111.195 * std::cos(edges.left[20].latitudeDeg * M_PI / 180.0);
    EXPECT_NEAR((10.0 - edges.left[20].longitudeDeg) * kmPerLonDeg, 5.0, 0.01);  // west
    EXPECT_NEAR((edges.right[20].longitudeDeg - 10.0) * kmPerLonDeg, 5.0, 0.01);
}

TEST(TransitMapTest, LineStripAndPlaceAreDrawnWhereTheMapPutsThem) {
    Canvas canvas(200, 200);
    // 4 pixels per km around 50.18° N, 10° E.
    const MapProjection map = [](double lon, double lat) {
        const double kmEast = (lon - 10.0) * 111.195 * std::cos(50.18 * M_PI / 180.0);
        const double kmNorth = (lat - 50.18) * 111.195;
        return QPointF(100.0 + 4.0 * kmEast, 100.0 - 4.0 * kmNorth);
    };
    DrawCentreLine(canvas, NorthwardLine(), {10.1, 50.1}, map, {QStringLiteral("Zentrallinie")});
    EXPECT_EQ(canvas.Pixel(100, 90), kCentreLineColour);
    EXPECT_EQ(canvas.Pixel(80, 90), QColor(255, 160, 160));   // west edge, 5 km
    EXPECT_EQ(canvas.Pixel(120, 90), QColor(255, 160, 160));  // east edge
    EXPECT_EQ(canvas.Pixel(100, 60), kCentreLineColour);
    const QPointF place = map(10.1, 50.1);
    EXPECT_EQ(At(canvas, place + QPointF(4, 0)), QColor(Qt::cyan));
    // The legend at the bottom left.
    int white = 0;
    for (int x = 4; x < 60; ++x)
        for (int y = 170; y < 200; ++y) white += canvas.Pixel(x, y) == QColor(Qt::white);
    EXPECT_GT(white, 0);
}

}  // namespace
