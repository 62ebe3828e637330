// The main chart drawing: layers at their computed positions, sky shades, Moon
// phase sides, exclusive-or layers, and agreement with the ephemeris update.
#include <cmath>
#include <optional>

#include "catalog/catalog.h"
#include "chart/body_plot.h"
#include "chart/chart_projection.h"
#include "chart/chart_view.h"
#include "chart/star_glyph.h"
#include "chart_fixture.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"

using namespace charttest;

namespace {

constexpr long kWhite = 0xffffff;
constexpr long kYellow = 0xffff00;

struct GreyCase {
    double sunAltitude;
    int sky;
    int line;
};

// Number of pixels of a colour inside the chart disc.
int CountInDisc(const Canvas& canvas, long rgb) {
    int n = 0;
    for (int y = ChartView().chartCentreY - ChartView().chartRadius + 2;
         y < ChartView().chartCentreY + ChartView().chartRadius - 1; ++y)
        for (int x = ChartView().chartCentreX - ChartView().chartRadius + 2;
             x < ChartView().chartCentreX + ChartView().chartRadius - 1; ++x) {
            const double dx = x - ChartView().chartCentreX, dy = y - ChartView().chartCentreY;
            if (dx * dx + dy * dy <
                    (ChartView().chartRadius - 2.0) * (ChartView().chartRadius - 2.0) &&
                canvas.PixelRgb(x, y) == rgb)
                ++n;
        }
    return n;
}

// First instant from `start` in steps of `step` days where `accept` holds for the
// Sun and Moon of that instant.
template <typename F>
std::optional<JD1900> Search(JD1900 start, double step, int count, F accept) {
    for (int i = 0; i < count; ++i) {
        const JD1900 t = start + i * step;
        Shown().currentJD = t;
        UpdateSunMoon(Place().cosLatitude, Place().sinLatitude, Place().longitudeDeg, t);
        if (accept()) return t;
    }
    return std::nullopt;
}

}  // namespace

TEST(SkyShades, GreyLevelsFollowTheSunAltitude) {
    const GreyCase cases[] = {
        {10.0, 160, 180},  {0.0, 160, 180},  {-0.5, 160, 180}, {-6.0, 130, 160},
        {-12.0, 100, 140}, {-15.0, 70, 130}, {-15.9, 70, 130}, {-18.0, 40, 120},
        {-22.0, 0, 120},   {-30.0, 0, 120},  {-90.0, 0, 120},
    };
    for (const GreyCase& c : cases) {
        EXPECT_EQ(SkyGreyLevel(c.sunAltitude), c.sky) << "Sun at " << c.sunAltitude;
        EXPECT_EQ(LineGreyLevel(c.sunAltitude), c.line) << "Sun at " << c.sunAltitude;
    }
}

class SkyChartLayers : public ChartTest {};

TEST_F(SkyChartLayers, BrightStarsAreDrawnAtTheirComputedPositions) {
    ASSERT_TRUE(DrawSkyChart(*canvas));
    int checked = 0;
    ReadStarRecords([&](int number, const StarRecord& star) {
        if (star.magnitude >= 1.5 || checked >= 5) return;
        const ChartPoint p = FixedObjectPosition(Shown().horizon(Place()), star.rightAscensionHours,
                                                 star.declinationDeg);
        const StarPlotEntry& e = StarPlotTable()[static_cast<size_t>(number - 1)];
        EXPECT_EQ(e.x, p.x);
        EXPECT_EQ(e.y, p.y);
        if (!p.plotted()) return;
        // Arms and corners of a star brighter than 1.5 are white; tips only from -0.5 to 0.5.
        const int x = IntPart(p.x), y = IntPart(p.y);
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (dx != 0 || dy != 0) {
                    EXPECT_EQ(canvas->PixelRgb(x + dx, y + dy), kWhite) << "star " << number;
                }
        ++checked;
    });
    EXPECT_GE(checked, 3);
}

TEST_F(SkyChartLayers, NoStarFainterThanFiveIsDrawnAndTheLimitHidesFainterStars) {
    ViewOptions().limitingMagnitude = 3.0;
    ASSERT_TRUE(DrawSkyChart(*canvas));
    int plotted = 0;
    for (const StarPlotEntry& e : StarPlotTable()) {
        if (e.x * e.y == 0.0) continue;
        ++plotted;
        EXPECT_LE(e.magnitude, 3.0);
    }
    EXPECT_GT(plotted, 20);
    EXPECT_EQ(StarGlyphFor(5.0, 1).centreAlone, false);
    EXPECT_EQ(StarGlyphFor(4.99, 1).centreAlone, true);
}

TEST_F(SkyChartLayers, SunDiscIsWhiteInDaylight) {
    const auto t =
        Search(WinterEvening() - 0.5, 1.0 / 24.0, 48, [] { return Sun().altitudeDeg > 10.0; });
    ASSERT_TRUE(t);
    SetInstant(*t);
    ASSERT_TRUE(DrawSkyChart(*canvas));
    const BodyPlotEntry& sun = BodyPlotTable()[kBodySun];
    ASSERT_TRUE(sun.x * sun.y != 0.0);
    EXPECT_EQ(Px(sun.x, sun.y), kWhite);
    EXPECT_EQ(Px(sun.x + 2, sun.y), kWhite);
    EXPECT_EQ(ChartShades().skyGrey, 160);
    EXPECT_GE(SunPlot().discRadius, 3.0);
}

TEST_F(SkyChartLayers, PlanetGlyphIsDrawnAtItsPlotPosition) {
    // A planet brighter than 2.5 above the horizon at night: its centre pixel is set.
    int found = -1;
    for (int hour = 0; hour < 24 * 30 && found < 0; hour += 3) {
        SetInstant(WinterEvening() + hour / 24.0);
        ASSERT_TRUE(DrawSkyChart(*canvas));
        for (int i = kBodyMercury; i <= kBodySaturn; ++i) {
            const BodyPlotEntry& b = BodyPlotTable()[static_cast<size_t>(i)];
            if (b.x * b.y > 0.0 && b.magnitude < 2.5 && Sun().altitudeDeg < -12.0) {
                found = i;
                break;
            }
        }
    }
    ASSERT_GE(found, 0);
    const BodyPlotEntry& b = BodyPlotTable()[static_cast<size_t>(found)];
    EXPECT_EQ(Px(b.x, b.y), kWhite);
    EXPECT_EQ(Px(b.x - 1, b.y), kWhite);
    EXPECT_EQ(Px(b.x, b.y + 1), kWhite);
}

TEST_F(SkyChartLayers, SkyDiscTakesTheTwilightGrey) {
    struct Case {
        int altitude;
        long rgb;
    };
    for (const Case c : {Case{-15, 0x464646}, Case{-30, 0x000000}}) {
        const auto t = Search(WinterEvening() - 0.3, 2.0 / 1440.0, 2000,
                              [&] { return IntPart(Sun().altitudeDeg) == c.altitude; });
        ASSERT_TRUE(t) << c.altitude;
        SetInstant(*t);
        ASSERT_TRUE(DrawSkyChart(*canvas));
        const int total =
            IntPart(kPi * (ChartView().chartRadius - 2.0) * (ChartView().chartRadius - 2.0));
        EXPECT_GT(CountInDisc(*canvas, c.rgb), total * 8 / 10) << "Sun at " << c.altitude;
        EXPECT_EQ(ChartShades().lineGrey, c.altitude == -15 ? 130 : 120);
    }
}

TEST_F(SkyChartLayers, MoonSymbolIsLitOnTheRightWhenWaxingAndOnTheLeftWhenWaning) {
    struct Case {
        const char* name;
        double lo, hi;
        int litSide;  // +1 right, -1 left
    };
    for (const Case c : {Case{"zunehmend", 0.2, 0.8, +1}, Case{"abnehmend", 1.2, 1.8, -1}}) {
        const auto t = Search(WinterEvening(), 1.0 / 24.0, 24 * 40, [&] {
            return Moon().phaseValue > c.lo && Moon().phaseValue < c.hi &&
                   Moon().altitudeDeg > 10.0;
        });
        ASSERT_TRUE(t) << c.name;
        SetInstant(*t);
        ASSERT_TRUE(DrawSkyChart(*canvas));
        const int k = ChartView().chartRadius / 7;
        const int gx = IntPart(ChartView().chartCentreX - 1.5 * ChartView().chartRadius);
        const int cy = ChartView().chartCentreY;
        EXPECT_EQ(canvas->PixelRgb(gx + c.litSide * (k - 3), cy), kYellow) << c.name;
        EXPECT_EQ(canvas->PixelRgb(gx - c.litSide * (k - 3), cy), 0x000000) << c.name;
        // The Moon disc on the chart: olive outline above the horizon.
        const MoonOnChart& m = MoonPlot();
        ASSERT_GT(m.chartX * m.chartY, 0.0);
        const int f = IntPart(m.discRadius);
        bool outline = false;
        for (int dx = -f - 1; dx <= f + 1; ++dx)
            for (int dy = -f - 1; dy <= f + 1; ++dy)
                outline = outline || Px(m.chartX + dx, m.chartY + dy) == 0xc0c000;
        EXPECT_TRUE(outline) << c.name;
    }
}

TEST_F(SkyChartLayers, TitleStatusAndRiseSetLabelsAreFilled) {
    ASSERT_TRUE(DrawSkyChart(*canvas));
    const SkyChartTexts& t = ChartTexts();
    EXPECT_EQ(t.title.text, QStringLiteral("Der Sternhimmel in Berlin"));
    EXPECT_EQ(t.dateLine.text, QStringLiteral("am 15.01.2026"));
    EXPECT_EQ(t.timeLine.text, QStringLiteral("um 20:00:00 MEZ"));
    // Berlin in January: every Sun event happens.
    for (int i = 0; i < 8; ++i) {
        const RiseSetLabel& l = t.riseSet[static_cast<size_t>(i)];
        EXPECT_GT(l.instant, 1.0) << l.name;
        EXPECT_TRUE(l.text.startsWith(l.code + QStringLiteral("  15.01.2026  ")))
            << l.text.toStdString();
        EXPECT_EQ(l.text.size(), 2 + 2 + 10 + 2 + 5);
        EXPECT_FALSE(l.rect.isEmpty());
    }
    // Sunrise before sunset, twilights outside them.
    EXPECT_LT(t.riseSet[0].instant, t.riseSet[3].instant);
    EXPECT_LT(t.riseSet[3].instant, t.riseSet[4].instant);
    EXPECT_LT(t.riseSet[4].instant, t.riseSet[7].instant);
    EXPECT_EQ(t.riseSet[3].hint, QStringLiteral("Sonnenaufgang"));
    EXPECT_EQ(t.riseSet[9].hint, QStringLiteral("Mondaufgang"));
    // The compass: N above, S below, O left, W right of the disc.
    EXPECT_LT(t.compass[0].rect.bottom(), ChartView().chartCentreY - ChartView().chartRadius);
    EXPECT_GT(t.compass[1].rect.top(), ChartView().chartCentreY + ChartView().chartRadius);
    EXPECT_LT(t.compass[2].rect.right(), ChartView().chartCentreX - ChartView().chartRadius);
    EXPECT_GT(t.compass[3].rect.left(), ChartView().chartCentreX + ChartView().chartRadius);
}

// Turned by a quarter, each letter lands where another stood before: clearing the old
// places must not wipe letters already drawn (N and S were lost).
TEST_F(SkyChartLayers, CompassLettersAllStandAfterTheChartIsTurned) {
    ASSERT_TRUE(DrawSkyChart(*canvas));
    ChartView().rotationRad = kPi / 2.0;
    ASSERT_TRUE(DrawSkyChart(*canvas));
    for (const ChartTextLabel& letter : ChartTexts().compass) {
        int cyan = 0;
        for (int y = letter.rect.top(); y <= letter.rect.bottom(); ++y)
            for (int x = letter.rect.left(); x <= letter.rect.right(); ++x)
                cyan += canvas->PixelRgb(x, y) == 0x00ffff;
        EXPECT_GT(cyan, 5) << letter.text.toStdString();
    }
    // W now stands above the disc.
    EXPECT_LT(ChartTexts().compass[3].rect.bottom(),
              ChartView().chartCentreY - ChartView().chartRadius);
}

TEST_F(SkyChartLayers, PolarDayShowsSunriseAndSunsetWithoutTimes) {
    Place().setLatitude(80.0);
    SetInstant(JulianDay1900(2026, 6, 21) + 0.5);
    ASSERT_TRUE(DrawSkyChart(*canvas));
    EXPECT_EQ(ChartTexts().riseSet[3].text, QStringLiteral("SA"));
    EXPECT_EQ(ChartTexts().riseSet[4].text, QStringLiteral("SU"));
    EXPECT_EQ(RiseSetLabelText(QStringLiteral("SA"), 0.0), QStringLiteral("SA"));
}

TEST_F(SkyChartLayers, ExclusiveOrLayersToggledTwiceLeaveTheCanvasUnchanged) {
    DrawSkyChart();
    const QImage before = canvas->Image().copy();
    ToggleAltitudeLines();
    EXPECT_TRUE(ViewOptions().showAltitudeLines);
    EXPECT_NE(canvas->Image(), before);
    ToggleAltitudeLines();
    EXPECT_FALSE(ViewOptions().showAltitudeLines);
    EXPECT_EQ(canvas->Image(), before);
    ToggleZodiac();
    EXPECT_NE(canvas->Image(), before);
    ToggleZodiac();
    EXPECT_EQ(canvas->Image(), before);
}

TEST_F(SkyChartLayers, AltitudeCirclesHaveTheProjectedRadius) {
    ASSERT_TRUE(DrawSkyChart(*canvas));
    const QImage before = canvas->Image().copy();
    DrawAltitudeLines(*canvas);
    // The 30-degree circle crosses the horizontal through the centre at R tan(30 deg).
    const int r = IntPart(ChartView().chartRadius * std::tan(30.0 * kDegToRad));
    const int x = ChartView().chartCentreX + r, y = ChartView().chartCentreY;
    EXPECT_EQ(canvas->PixelRgb(x, y),
              static_cast<long>((before.pixel(x, y) ^ 0x800000u) & 0xffffffu));
}

TEST_F(SkyChartLayers, ConstellationLinesRedrawTheStarsOnTop) {
    ViewOptions().showConstellationLines = true;
    ASSERT_TRUE(DrawSkyChart(*canvas));
    const int lineGrey = ChartShades().lineGrey;
    EXPECT_GT(CountInDisc(*canvas, (lineGrey << 16) | (lineGrey << 8) | lineGrey), 200);
    for (const StarPlotEntry& e : StarPlotTable())
        if (e.x * e.y != 0.0 && e.magnitude < 2.5) {
            EXPECT_EQ(Px(e.x, e.y), kWhite);
        }
}

TEST_F(SkyChartLayers, UpdateEphemerisAgreesWithTheDrawing) {
    ASSERT_TRUE(DrawSkyChart(*canvas));
    const StarPlotTableData stars = StarPlotTable();
    const LabelPlotTableData labels = LabelPlotTable();
    const NebulaPlotTableData nebulae = NebulaPlotTable();
    const BodyPlotTableData bodies = BodyPlotTable();
    const double sunRadius = SunPlot().discRadius, moonRadius = MoonPlot().discRadius;
    const double minorX = MinorBodyPlot().chartX;
    ResetPlotTables();
    ResetMinorBodyState();
    ResetBodyPlots();
    UpdateEphemeris(Place().cosLatitude, Place().sinLatitude, Place().longitudeDeg,
                    Shown().currentJD);
    for (size_t i = 0; i < stars.size(); ++i) {
        ASSERT_EQ(StarPlotTable()[i].x, stars[i].x) << i;
        ASSERT_EQ(StarPlotTable()[i].y, stars[i].y) << i;
    }
    for (size_t i = 0; i < labels.size(); ++i) EXPECT_EQ(LabelPlotTable()[i].x, labels[i].x);
    for (size_t i = 0; i < nebulae.size(); ++i) {
        EXPECT_EQ(NebulaPlotTable()[i].x, nebulae[i].x);
        EXPECT_EQ(IntPart(NebulaPlotTable()[i].drawnRadius) >= 2
                      ? IntPart(NebulaPlotTable()[i].drawnRadius)
                      : 2,
                  nebulae[i].drawnRadius == 0.0 ? 2 : IntPart(nebulae[i].drawnRadius));
    }
    for (size_t i = 0; i < bodies.size(); ++i) {
        EXPECT_EQ(BodyPlotTable()[i].x, bodies[i].x) << i;
        EXPECT_EQ(BodyPlotTable()[i].y, bodies[i].y) << i;
    }
    EXPECT_EQ(MinorBodyPlot().chartX, minorX);
    // The drawing truncates the disc radii and applies its minimum of 3 pixels.
    if (Sun().altitudeDeg > 0.0) {
        EXPECT_EQ(sunRadius, std::max(3, IntPart(SunPlot().discRadius)));
    }
    if (Moon().altitudeDeg > 0.0) {
        EXPECT_EQ(moonRadius, std::max(3, IntPart(MoonPlot().discRadius)));
    }
}

TEST_F(SkyChartLayers, MissingDataFileStopsTheDrawingWithTheFileError) {
    testsupport::TempDir empty;
    testsupport::ScopedWorkingDir inEmpty(empty.path());
    std::string error;
    EXPECT_FALSE(DrawSkyChart(*canvas, &error));
    EXPECT_NE(error.find("Datei nicht gefunden"), std::string::npos) << error;
    // The layers before the stars stay: the title.
    EXPECT_EQ(ChartTexts().title.text, QStringLiteral("Der Sternhimmel in Berlin"));
    // Without an error target the message box shows it.
    DrawSkyChart();
    ASSERT_EQ(dialogs->Messages().size(), 1);
    EXPECT_TRUE(dialogs->Messages()[0].contains(QStringLiteral("Datei nicht gefunden")));
}

struct GlyphCase {
    double magnitude;
    int zoom;
    bool centreAlone, square, arms, centre, corners, tips;
    int disc;
};

TEST(StarGlyph, BandsFollowMagnitudeAndMagnification) {
    const GlyphCase cases[] = {
        {5.0, 1, false, false, false, false, false, false, 0},
        {4.7, 1, true, false, false, false, false, false, 0},
        {4.0, 1, false, true, false, false, false, false, 0},
        {3.0, 1, false, false, true, false, false, false, 0},
        {2.0, 1, false, false, true, true, false, false, 0},
        {1.0, 1, false, false, true, true, true, false, 0},
        {0.0, 1, false, false, true, true, true, true, 0},
        {-1.0, 1, false, false, true, true, true, false, 2},
        {5.2, 2, true, false, false, false, false, false, 0},
        {-1.0, 2, false, false, true, true, true, false, 3},
        {-3.0, 2, false, false, true, true, true, false, 4},
        {6.0, 4, true, false, false, false, false, false, 0},
        {6.7, 4, false, false, false, false, false, false, 0},
        {6.7, 8, true, false, false, false, false, false, 0},
        {1.0, 8, false, false, true, true, true, true, 0},
        {0.0, 4, false, false, true, true, true, false, 3},
        {-2.0, 8, false, false, true, true, true, false, 4},
        {5.0, 3, false, true, false, false, false, false, 0},
    };
    for (const GlyphCase& c : cases) {
        const StarGlyphShape g = StarGlyphFor(c.magnitude, c.zoom);
        SCOPED_TRACE(testing::Message() << "m=" << c.magnitude << " zoom=" << c.zoom);
        EXPECT_EQ(g.centreAlone, c.centreAlone);
        EXPECT_EQ(g.square, c.square);
        EXPECT_EQ(g.arms, c.arms);
        EXPECT_EQ(g.centre, c.centre);
        EXPECT_EQ(g.corners, c.corners);
        EXPECT_EQ(g.tips, c.tips);
        EXPECT_EQ(g.discRadius, c.disc);
    }
}

TEST(StarGlyph, ArmsLeaveTheCentreUnsetAndDiscsSetTheCanvasColours) {
    Canvas canvas(20, 20, Qt::black);
    DrawStarGlyph(canvas, 10, 10, Qt::white, 3.0, 1);
    EXPECT_EQ(canvas.PixelRgb(10, 10), 0);
    EXPECT_EQ(canvas.PixelRgb(9, 10), kWhite);
    EXPECT_EQ(canvas.PixelRgb(10, 11), kWhite);
    EXPECT_EQ(canvas.PixelRgb(9, 9), 0);
    DrawStarGlyph(canvas, 5, 5, QColor(255, 0, 0), -1.0, 1);
    EXPECT_EQ(canvas.PixelRgb(5, 3), 0xff0000);
    EXPECT_EQ(canvas.PixelRgb(7, 5), 0xff0000);
    EXPECT_EQ(canvas.Brush().color, QColor(255, 0, 0));
    EXPECT_EQ(canvas.Pen().color, QColor(255, 0, 0));
}

TEST_F(SkyChartLayers, OrionStandsInTheSouthEastOnAWinterEvening) {
    ASSERT_TRUE(DrawSkyChart(*canvas));
    int bright = 0;
    for (const StarPlotEntry& e : StarPlotTable()) {
        if (e.x * e.y == 0.0 || e.constellation != "Ori" || e.magnitude > 2.5) continue;
        ++bright;
        // South-east on the unturned chart: left of and below the centre.
        EXPECT_LT(e.x, ChartView().chartCentreX);
        EXPECT_GT(e.y, ChartView().chartCentreY);
    }
    EXPECT_GE(bright, 4);
}
