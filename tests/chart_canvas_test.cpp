// The drawing surface: exclusive-or reversibility, flood fill borders, text
// backgrounds, line end points, printer-style mapping.
#include <gtest/gtest.h>

#include <initializer_list>

#include "chart/canvas.h"
#include "chart/canvas_fit.h"

namespace {

int CountPixels(const Canvas& canvas, QRgb rgb) {
    int n = 0;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.PixelRgb(x, y) == static_cast<long>(rgb & 0xffffffu)) ++n;
    return n;
}

struct Pixel {
    int x, y;
    long rgb;
};
void ExpectPixels(const Canvas& canvas, std::initializer_list<Pixel> pixels) {
    for (const Pixel& p : pixels)
        EXPECT_EQ(canvas.PixelRgb(p.x, p.y), p.rgb) << "at " << p.x << "," << p.y;
}

// A grey-ish background with some structure, so that XOR is tested on varied pixels.
void PaintBackground(Canvas& canvas) {
    canvas.Clear(QColor(70, 70, 70));
    canvas.SetPen(Qt::white);
    canvas.SetBrush(QColor(20, 90, 200));
    canvas.Ellipse(10, 10, 90, 90);
    canvas.SetPixel(50, 50, QColor(255, 0, 0));
}

}  // namespace

TEST(CanvasPixels, SetAndReadBackInsideAndOutside) {
    Canvas canvas(20, 10, Qt::black);
    canvas.SetPixel(3, 4, QColor(1, 2, 3));
    EXPECT_EQ(canvas.Pixel(3, 4), QColor(1, 2, 3));
    EXPECT_EQ(canvas.PixelRgb(3, 4), 0x010203);
    EXPECT_EQ(canvas.PixelRgb(0, 0), 0x000000);
    // Outside the image: ignored on write, invalid on read.
    canvas.SetPixel(-1, 4, Qt::white);
    canvas.SetPixel(20, 4, Qt::white);
    EXPECT_FALSE(canvas.Pixel(20, 4).isValid());
    EXPECT_EQ(canvas.PixelRgb(-1, 0), -1);
    EXPECT_EQ(CountPixels(canvas, 0xffffff), 0);
}

struct XorCase {
    const char* name;
    PenMode mode;
    BrushStyle brush;
    int shape;  // 0 line, 1 rectangle, 2 ellipse, 3 polyline
};

class CanvasXorTwice : public ::testing::TestWithParam<XorCase> {};

TEST_P(CanvasXorTwice, RestoresEveryPixel) {
    const XorCase& c = GetParam();
    Canvas canvas(100, 100);
    PaintBackground(canvas);
    const QImage before = canvas.Image().copy();
    for (int pass = 0; pass < 2; ++pass) {
        canvas.SetPen(QColor(128, 0, 0), 1, c.mode);
        canvas.SetBrush(QColor(0, 128, 0), c.brush);
        switch (c.shape) {
            case 0:
                canvas.MoveTo(3, 97);
                canvas.LineTo(96, 5);
                break;
            case 1:
                canvas.Rectangle(20, 30, 80, 70);
                break;
            case 2:
                canvas.Ellipse(5, 5, 95, 95);
                break;
            case 3:
                canvas.Polyline({{5, 5}, {60, 20}, {40, 80}, {5, 5}, {95, 50}});
                break;
        }
        if (pass == 0) {
            EXPECT_NE(canvas.Image(), before) << "the first pass must change the picture";
        }
    }
    EXPECT_EQ(canvas.Image(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CanvasXorTwice,
    ::testing::Values(XorCase{"LineXor", PenMode::Xor, BrushStyle::Clear, 0},
                      XorCase{"LineNotXor", PenMode::NotXor, BrushStyle::Clear, 0},
                      XorCase{"FrameXor", PenMode::Xor, BrushStyle::Clear, 1},
                      XorCase{"FilledBoxXor", PenMode::Xor, BrushStyle::Solid, 1},
                      XorCase{"CircleXor", PenMode::Xor, BrushStyle::Clear, 2},
                      XorCase{"CircleNotXor", PenMode::NotXor, BrushStyle::Clear, 2},
                      XorCase{"PolylineXor", PenMode::Xor, BrushStyle::Clear, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CanvasXor, ColourOfAnXorPixelIsTheExclusiveOr) {
    Canvas canvas(10, 10, QColor(0x40, 0x40, 0x40));
    canvas.SetPen(QColor(0x80, 0x00, 0x00), 1, PenMode::Xor);
    canvas.MoveTo(0, 5);
    canvas.LineTo(9, 5);
    EXPECT_EQ(canvas.PixelRgb(3, 5), 0xc04040);
    canvas.SetPen(QColor(0x80, 0x00, 0x00), 1, PenMode::NotXor);
    canvas.MoveTo(0, 6);
    canvas.LineTo(9, 6);
    EXPECT_EQ(canvas.PixelRgb(3, 6), (~0xc04040) & 0xffffff);
}

TEST(CanvasLines, EndPointIsExcludedSoJointsAreDrawnOnce) {
    Canvas canvas(20, 20, Qt::black);
    canvas.SetPen(Qt::white);
    canvas.MoveTo(2, 2);
    canvas.LineTo(10, 2);
    EXPECT_EQ(canvas.PixelRgb(2, 2), 0xffffff);
    EXPECT_EQ(canvas.PixelRgb(9, 2), 0xffffff);
    EXPECT_EQ(canvas.PixelRgb(10, 2), 0x000000);
    EXPECT_EQ(canvas.PenPos(), QPoint(10, 2));
    // XOR stroke with a corner: the corner pixel is drawn exactly once.
    canvas.Clear(Qt::black);
    canvas.SetPen(Qt::white, 1, PenMode::Xor);
    canvas.MoveTo(2, 2);
    canvas.LineTo(10, 2);
    canvas.LineTo(10, 10);
    EXPECT_EQ(canvas.PixelRgb(10, 2), 0xffffff);
    EXPECT_EQ(CountPixels(canvas, 0xffffff), 16);
}

TEST(CanvasShapes, RectangleAndEllipseCoverTheBoxWithoutItsLastRowAndColumn) {
    Canvas canvas(40, 40, Qt::black);
    canvas.SetPen(Qt::white);
    canvas.SetBrush(Qt::red);
    canvas.Rectangle(5, 5, 15, 12);
    ExpectPixels(canvas, {{5, 5, 0xffffff},
                          {14, 11, 0xffffff},
                          {15, 11, 0x000000},
                          {14, 12, 0x000000},
                          {10, 8, 0xff0000}});

    canvas.Clear(Qt::black);
    canvas.SetBrush(Qt::red);
    canvas.Circle(20, 20, 10);  // box 10 .. 29
    ExpectPixels(canvas, {{20, 20, 0xff0000},
                          {20, 10, 0xffffff},
                          {10, 20, 0xffffff},
                          {20, 30, 0x000000},
                          {30, 20, 0x000000},
                          {11, 11, 0x000000}});

    canvas.Clear(Qt::black);
    canvas.SetBrush(Qt::red, BrushStyle::Clear);
    canvas.Circle(20, 20, 10);
    EXPECT_EQ(canvas.PixelRgb(20, 20), 0x000000);
    EXPECT_EQ(CountPixels(canvas, 0xff0000), 0);
}

TEST(CanvasFloodFill, BorderModeStopsAtTheBorderColour) {
    Canvas canvas(60, 60, Qt::black);
    canvas.SetPen(Qt::yellow);
    canvas.SetBrush(Qt::black, BrushStyle::Clear);
    canvas.Circle(30, 30, 20);
    // A chord splits the disc: the fill must stay on one side.
    canvas.MoveTo(30, 10);
    canvas.LineTo(30, 50);
    canvas.SetBrush(Qt::yellow);
    ASSERT_TRUE(canvas.FloodFill(40, 30, Qt::yellow));
    EXPECT_EQ(canvas.PixelRgb(40, 30), 0xffff00);
    EXPECT_EQ(canvas.PixelRgb(45, 20), 0xffff00);
    EXPECT_EQ(canvas.PixelRgb(20, 30), 0x000000) << "fill crossed the chord";
    EXPECT_EQ(canvas.PixelRgb(2, 2), 0x000000) << "fill leaked out of the circle";
    EXPECT_EQ(canvas.PixelRgb(58, 30), 0x000000) << "fill leaked out of the circle";
}

TEST(CanvasFloodFill, FillColourDifferentFromBorderTerminatesAndCovers) {
    Canvas canvas(30, 30, Qt::black);
    canvas.SetPen(Qt::white);
    canvas.SetBrush(Qt::black, BrushStyle::Clear);
    canvas.Rectangle(5, 5, 25, 25);
    canvas.SetPixel(12, 12, QColor(9, 9, 9));  // a speck inside is filled over
    canvas.SetBrush(Qt::blue);
    ASSERT_TRUE(canvas.FloodFill(10, 10, Qt::white));
    EXPECT_EQ(CountPixels(canvas, 0x0000ff), 18 * 18);
    EXPECT_EQ(canvas.PixelRgb(12, 12), 0x0000ff);
    EXPECT_EQ(canvas.PixelRgb(0, 0), 0x000000);
}

TEST(CanvasFloodFill, SurfaceModeAndRefusals) {
    Canvas canvas(20, 20, Qt::black);
    canvas.SetBrush(Qt::green);
    canvas.FillRect(0, 0, 10, 20);
    canvas.SetBrush(Qt::red);
    ASSERT_TRUE(canvas.FloodFill(2, 2, Qt::green, FloodFillMode::Surface));
    EXPECT_EQ(CountPixels(canvas, 0xff0000), 200);
    EXPECT_EQ(CountPixels(canvas, 0x000000), 200);
    // Start on the border colour, or outside: nothing happens.
    EXPECT_FALSE(canvas.FloodFill(15, 5, Qt::black));
    EXPECT_FALSE(canvas.FloodFill(25, 5, Qt::black));
    EXPECT_EQ(CountPixels(canvas, 0xff0000), 200);
}

TEST(CanvasText, OpaqueFillsTheCellTransparentKeepsTheBackground) {
    Canvas canvas(200, 60, QColor(100, 100, 100));
    canvas.SetFont(CanvasFont::Points(QStringLiteral("Courier New"), 10, true, Qt::white));
    const QString text = QStringLiteral("Sonnenhöhe");
    const QSize extent = canvas.TextExtent(text);
    ASSERT_GT(extent.width(), 40);
    ASSERT_GT(extent.height(), 8);
    EXPECT_EQ(canvas.TextWidth(text), extent.width());

    canvas.SetBrush(Qt::black);
    canvas.SetTextBackground(TextBackground::Opaque);
    canvas.TextOut(5, 5, text);
    int black = 0, white = 0;
    for (int y = 5; y < 5 + extent.height(); ++y)
        for (int x = 5; x < 5 + extent.width(); ++x) {
            long p = canvas.PixelRgb(x, y);
            EXPECT_NE(p, 0x646464) << "background left at " << x << "," << y;
            black += p == 0;
            white += p == 0xffffff;
        }
    EXPECT_GT(black, white);
    EXPECT_GT(white, 0);
    EXPECT_EQ(canvas.PixelRgb(5 + extent.width(), 5), 0x646464);

    canvas.SetTextBackground(TextBackground::Transparent);
    canvas.TextOut(5, 30, text);
    int grey = 0, ink = 0;
    for (int y = 30; y < 30 + extent.height(); ++y)
        for (int x = 5; x < 5 + extent.width(); ++x) {
            long p = canvas.PixelRgb(x, y);
            grey += p == 0x646464;
            ink += p != 0x646464;
            EXPECT_NE(p, 0) << "transparent text painted a background at " << x << "," << y;
        }
    EXPECT_GT(grey, ink);
    EXPECT_GT(ink, 0);
}

TEST(CanvasText, PointAndPixelSizesAgreeAtNinetySixDpi) {
    Canvas canvas(10, 10);
    canvas.SetFont(CanvasFont::Points(QStringLiteral("Courier New"), 9.75, true));
    const QSize points = canvas.TextExtent(QStringLiteral("Mondhöhe"));
    canvas.SetFont(CanvasFont::Pixels(QStringLiteral("Courier New"), 13, true));
    EXPECT_EQ(canvas.TextExtent(QStringLiteral("Mondhöhe")), points);
}

TEST(CanvasMapping, LoMetricPutsTheOriginTopLeftWithYUp) {
    // 254 dpi: one device pixel per 0.1 mm.
    QImage page(400, 300, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        Canvas canvas(&page);
        canvas.SetMapping(Canvas::LoMetricMapping(254, 254));
        EXPECT_EQ(canvas.ToDevice(100, -50), QPoint(100, 50));
        canvas.SetPen(Qt::black);
        canvas.SetBrush(Qt::black);
        canvas.Circle(200, -150, 20);
        canvas.SetFont(CanvasFont::Pixels(QStringLiteral("Courier New"), 45));
        canvas.SetTextBackground(TextBackground::Transparent);
        canvas.TextOut(10, -10, QStringLiteral("N"));
        EXPECT_EQ(canvas.Pixel(0, 0), QColor());  // no image of its own
        EXPECT_FALSE(canvas.FloodFill(0, 0, Qt::black));
    }
    EXPECT_EQ(page.pixel(200, 150) & 0xffffff, 0x000000u);
    EXPECT_EQ(page.pixel(200, 175) & 0xffffff, 0xffffffu);
    // Upright text below the anchor point: ink in the band under y = 10.
    int ink = 0;
    for (int y = 10; y < 60; ++y)
        for (int x = 10; x < 50; ++x) ink += (page.pixel(x, y) & 0xffffff) != 0xffffff;
    EXPECT_GT(ink, 20);
}

TEST(CanvasImage, CopiesTakenBetweenDrawingsStayUnchanged) {
    Canvas canvas(30, 30, Qt::black);
    canvas.SetPen(Qt::white);
    canvas.SetBrush(Qt::white);
    canvas.Circle(10, 10, 5);
    QImage snapshot = canvas.Image();
    canvas.Circle(20, 20, 5);
    canvas.SetPixel(1, 1, Qt::red);
    EXPECT_EQ(snapshot.pixel(20, 20) & 0xffffff, 0u);
    EXPECT_EQ(snapshot.pixel(1, 1) & 0xffffff, 0u);
    EXPECT_EQ(canvas.PixelRgb(20, 20), 0xffffff);
}

TEST(CanvasFloodFill, LimitBoxKeepsALeakingFillInside) {
    Canvas canvas(40, 40, Qt::black);
    canvas.SetPen(Qt::white);
    canvas.SetBrush(Qt::black, BrushStyle::Clear);
    canvas.Rectangle(10, 10, 20, 20);
    canvas.SetPixel(19, 15, Qt::black);  // a gap in the border
    canvas.SetBrush(Qt::green);
    ASSERT_TRUE(canvas.FloodFill(15, 15, Qt::white, FloodFillMode::Border, QRect(10, 10, 11, 11)));
    EXPECT_EQ(canvas.PixelRgb(15, 15), 0x00ff00);
    EXPECT_EQ(canvas.PixelRgb(20, 15), 0x00ff00) << "the gap leads out, up to the box edge";
    EXPECT_EQ(canvas.PixelRgb(21, 15), 0x000000) << "but not beyond the limit";
    EXPECT_EQ(canvas.PixelRgb(0, 0), 0x000000);
    EXPECT_FALSE(canvas.FloodFill(30, 30, Qt::white, FloodFillMode::Border, QRect(10, 10, 11, 11)));
}

// --- a chart of the design size fitted into a larger window ---------------------

TEST(CanvasFitting, BacksTheClientAreaAtFullResolutionAndIsExactAtTheDesignSize) {
    Canvas canvas(640, 442);
    EXPECT_TRUE(FitCanvas(canvas, QSize(640, 442), QSize(1600, 1000), 2.0));
    EXPECT_EQ(canvas.Image().size(), QSize(3200, 2000)) << "client size x pixel ratio";
    // Centred: the margins left and right are (1600 - 640 * 1000 / 442) / 2 = 76 client pixels.
    EXPECT_EQ(canvas.ToDevice(0, 0), QPoint(152, 0));
    EXPECT_TRUE(FitCanvas(canvas, QSize(640, 442), QSize(640, 442), 1.0));
    EXPECT_TRUE(canvas.Mapping().isIdentity());
}

// Exclusive-or layers (trails, markers, the zoom frame, altitude circles) erase
// exactly at any scale, and single pixels join without gaps.
TEST(CanvasFitting, ExclusiveOrLayersEraseExactlyWhenScaled) {
    for (const QSize client : {QSize(1280, 884), QSize(1401, 967)}) {
        Canvas canvas(640, 442);
        FitCanvas(canvas, QSize(640, 442), client, 1.0);
        canvas.SetPen(Qt::white);
        canvas.SetBrush(QColor(60, 60, 60));
        canvas.Circle(397, 220, 206);
        const QImage before = canvas.Image().copy();
        auto trail = [&] {
            canvas.SetPen(QColor(255, 255, 0), 1, PenMode::Xor);
            canvas.Polyline({{300, 200}, {310, 203}, {318, 209}, {331, 210}, {331, 230}});
            canvas.SetPen(QColor(128, 0, 0), 1, PenMode::NotXor);
            canvas.SetBrush(Qt::black, BrushStyle::Clear);
            canvas.Rectangle(250, 120, 566, 340);
            canvas.Circle(397, 220, 120);
        };
        trail();
        EXPECT_NE(canvas.Image(), before) << client.width();
        trail();
        EXPECT_EQ(canvas.Image(), before) << client.width();

        for (int x = 100; x < 104; ++x) canvas.SetPixel(x, 50, Qt::red);
        const QPoint from = canvas.ToDevice(100, 50), to = canvas.ToDevice(104, 50);
        for (int x = from.x(); x < to.x(); ++x)
            EXPECT_EQ(canvas.Image().pixel(x, from.y()) & 0xffffffu, 0xff0000u) << x;
    }
}
