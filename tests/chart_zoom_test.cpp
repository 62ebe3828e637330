// The zoom window: mapping, factors, keys, date entry, identification and following a
// satellite, offscreen with the shipped data files.
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <cmath>
#include <memory>

#include "chart/chart_view.h"
#include "chart/zoom_chart.h"
#include "chart/zoom_identify.h"
#include "chart_fixture.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "prediction/selection_model.h"
#include "satellite/loaded_elements.h"
#include "satellite/observation.h"
#include "satellite/satellites_at_instant.h"
#include "ui/common/clock.h"
#include "ui/sky/zoom_window.h"

namespace {

using charttest::AprilEvening;
using charttest::ChartTest;

class ZoomTest : public ChartTest {
  protected:
    void SetUp() override {
        ChartTest::SetUp();
        ResetZoomState();
        ResetZoomView();
        ChartZoomOffsets() = ZoomOffsets{};
        ASSERT_TRUE(DrawSkyChart(*canvas));
        form = std::make_unique<ZoomWindow>();
        form->resize(648, 488);
        ChartView().zoomFactor = 2;
        CentreOn(ChartView().chartCentreX, ChartView().chartCentreY);
        form->show();
        dialogs->Clear();
    }
    void TearDown() override {
        form.reset();
        ResetZoomView();
        ChartTest::TearDown();
    }
    // Zoom offsets that put a main-chart point at the view centre.
    static void CentreOn(double x, double y) {
        const QPoint c = ZoomViewCentre();
        ChartZoomOffsets().zoomOffsetX =
            c.x() - IntPart((x - ChartView().chartCentreX) * ChartView().zoomFactor);
        ChartZoomOffsets().zoomOffsetY =
            c.y() - IntPart((y - ChartView().chartCentreY) * ChartView().zoomFactor);
    }
    // A bright plotted star, not too near the rim.
    static int BrightStar() {
        for (int n = 1; n <= kStarPlotCount; ++n) {
            const StarPlotEntry& e = StarPlotTable()[static_cast<size_t>(n - 1)];
            if (e.x * e.y == 0.0 || e.magnitude >= 2.0) continue;
            if (std::hypot(e.x - ChartView().chartCentreX, e.y - ChartView().chartCentreY) <
                0.7 * ChartView().chartRadius)
                return n;
        }
        return 0;
    }
    std::unique_ptr<ZoomWindow> form;
};

TEST_F(ZoomTest, OpensMaximisedWithTheChartScaledToFillIt) {
    EXPECT_TRUE(form->isMaximized());
    EXPECT_EQ(form->canvas().LogicalSize(), QSize(kZoomChartWidth, kZoomChartHeight));
    EXPECT_GT(form->canvas().Mapping().m11(), 1.0) << "drawn larger than the design size";
    EXPECT_EQ(ZoomViewCentre(), QPoint(324, 220)) << "the geometry of the design size";
}

// With both status bars shown, the letter where the north-south diameter leaves the
// chart area sits on the edge line 20 pixels above the area's bottom.
TEST_F(ZoomTest, EdgeLettersSitOnTheChartAreasBottomLine) {
    Tracking().trackedSatellite = 0;  // the status bars are shown
    form->headerBar()->show();
    ViewOptions().showAltitudeLines = true;
    ChartView().rotationRad = 0.0;
    ChartView().zoomFactor = 8;
    CentreOn(ChartView().chartCentreX, ChartView().chartCentreY);
    form->DrawChart(0);
    ASSERT_TRUE(form->valuesBar()->isVisible());
    ASSERT_TRUE(form->headerBar()->isVisible());
    Canvas chart(kZoomChartWidth, kZoomChartHeight);
    ASSERT_TRUE(DrawZoomChart(chart, 0));
    // The "S" below the disc centre ("N" sits on the top line).
    const int ox = ChartZoomOffsets().zoomOffsetX, oy = ChartZoomOffsets().zoomOffsetY;
    int top = kZoomChartHeight;
    for (int y = oy + 20; y < kZoomChartHeight; ++y)
        for (int x = ox - 2; x < ox + 12; ++x)
            if (chart.PixelRgb(x, y) == 0x00ffff) top = std::min(top, y);
    const int edge = kZoomChartHeight - 20;
    EXPECT_GE(top, edge);
    EXPECT_LT(top, edge + 11);
}

TEST_F(ZoomTest, VerkleinernHalvesTheFactorAndHidesAtTwo) {
    ChartView().zoomFactor = 8;
    form->DrawChart(0);
    const QPoint c = ZoomViewCentre();
    ChartZoomOffsets().zoomOffsetX = c.x() + 101;
    ChartZoomOffsets().zoomOffsetY = c.y() - 51;
    struct Step {
        int factor;
        bool visible;
    };
    const Step steps[] = {{4, true}, {2, true}, {1, false}};
    int dx = -101, dy = 51;
    for (const Step& s : steps) {
        form->ZoomOut();
        EXPECT_EQ(ChartView().zoomFactor, s.factor);
        EXPECT_EQ(form->isVisible(), s.visible);
        if (s.visible) {
            // The view keeps its centre: the distance to the disc centre halves.
            dx /= 2;
            dy /= 2;
            EXPECT_EQ(ChartZoomOffsets().zoomOffsetX, c.x() - dx);
            EXPECT_EQ(ChartZoomOffsets().zoomOffsetY, c.y() - dy);
        }
    }
}

TEST_F(ZoomTest, VergroessernDoublesAndCentresOnTheFrame) {
    const QPoint c = ZoomViewCentre();
    for (int expected : {4, 8}) {
        const int ox = ChartZoomOffsets().zoomOffsetX, oy = ChartZoomOffsets().zoomOffsetY;
        form->MouseMoveAt(c.x() - 40, c.y() + 30);
        form->ZoomIn();
        EXPECT_TRUE(ZoomValues().choosingFrame);
        EXPECT_FALSE(form->timeMenu->menuAction()->isEnabled());
        form->ClickAt(c.x() - 40, c.y() + 30);
        EXPECT_FALSE(ZoomValues().choosingFrame);
        EXPECT_TRUE(form->timeMenu->menuAction()->isEnabled());
        EXPECT_EQ(ChartView().zoomFactor, expected);
        EXPECT_EQ(ChartZoomOffsets().zoomOffsetX, ZoomOuterWidth() / 2 - 2 * (c.x() - 40 - ox));
        EXPECT_EQ(ChartZoomOffsets().zoomOffsetY,
                  (ZoomOuterHeight() - 48) / 2 - 2 * (c.y() + 30 - oy));
    }
    EXPECT_TRUE(dialogs->Calls().empty()) << "the frame click identifies nothing";
}

TEST_F(ZoomTest, AStarIsMappedAndDrawnAtEachFactor) {
    const int n = BrightStar();
    ASSERT_GT(n, 0);
    const StarPlotEntry& e = StarPlotTable()[static_cast<size_t>(n - 1)];
    for (int factor : {2, 4, 8}) {
        ChartView().zoomFactor = factor;
        ChartZoomOffsets().zoomOffsetX = 300;
        ChartZoomOffsets().zoomOffsetY = 200;
        const QPoint p = ZoomMap(e.x, e.y);
        EXPECT_EQ(p.x(), IntPart((e.x - ChartView().chartCentreX) * factor + 300)) << factor;
        EXPECT_EQ(p.y(), IntPart((e.y - ChartView().chartCentreY) * factor + 200)) << factor;
        CentreOn(e.x, e.y);
        form->DrawChart(0);
        const QPoint q = ZoomMap(e.x, e.y);
        EXPECT_LE(std::abs(q.x() - ZoomViewCentre().x()), 1);
        // A star brighter than 2 has its centre pixel lit at every zoom factor.
        EXPECT_EQ(form->canvas().PixelRgb(q.x(), q.y()), 0xffffff) << factor;
    }
}

TEST_F(ZoomTest, CaptionNamesFactorPlaceInstantSunAndMoon) {
    form->DrawChart(0);
    const QString caption = form->windowTitle();
    EXPECT_TRUE(caption.startsWith(QStringLiteral("Polaride Zoom 2 : Berlin        ")))
        << caption.toStdString();
    EXPECT_TRUE(caption.contains(QString::fromStdString("  " + DateText + "  " + TimeText)));
    EXPECT_TRUE(caption.contains(QStringLiteral(" :  So ") +
                                 QString::number(Sun().altitudeDeg, 'f', 1) + QStringLiteral("°")));
    EXPECT_TRUE(caption.endsWith(QStringLiteral("%  ab")) ||
                caption.endsWith(QStringLiteral("%  zu")));
    EXPECT_DOUBLE_EQ(ZoomValues().zoomTrailOriginJD, Shown().currentJD);
}

// A pass search leaves the Sun of the last instant it tried (here the next noon): the
// zoom window shows, and darkens its sky for, the Sun of its own instant all the same.
TEST_F(ZoomTest, EveryDrawingShowsTheSunOfItsOwnInstant) {
    form->DrawChart(0);
    const QString caption = form->windowTitle();
    const int skyGrey = ChartShades().skyGrey;
    const JD1900 evening = Shown().currentJD;
    SunMoonAt(evening + 0.7);
    SetInstant(evening);
    form->DrawChart(0);
    EXPECT_EQ(form->windowTitle(), caption);
    EXPECT_EQ(ChartShades().skyGrey, skyGrey);
}

TEST_F(ZoomTest, DateEntryKeepsA2015Date) {
    dialogs->AnswerInput(QStringLiteral("15.03.2015"));
    FormatDateTime1900(Shown().currentJD);
    const std::string time = TimeText;
    form->EnterDate();
    EXPECT_EQ(DateText, "15.03.2015");
    CivilInstant expected;
    ASSERT_TRUE(InstantFromDateTimeTexts("15.03.2015", time, Place().zoneOffsetHours, expected));
    EXPECT_DOUBLE_EQ(Shown().currentJD, expected.instant);
    EXPECT_EQ(Shown().year, 2015);
}

TEST_F(ZoomTest, TimeMenuStepsAndRedraws) {
    const JD1900 t = Shown().currentJD;
    form->nextDayAction->trigger();
    EXPECT_DOUBLE_EQ(Shown().currentJD, t + 1.0);
    EXPECT_FALSE(Shown().timeChanged) << "the drawing clears it";
    form->hourBackAction->trigger();
    EXPECT_DOUBLE_EQ(Shown().currentJD, t + 1.0 - 1.0 / 24.0);
}

TEST_F(ZoomTest, KeysWithoutTrackedSatelliteDoNothing) {
    Tracking().trackedSatellite = -1;
    const double rotation = ChartView().rotationRad;
    const ZoomOffsets before = ChartZoomOffsets();
    for (QChar key : {QLatin1Char('n'), QLatin1Char('*'), QLatin1Char('/')}) {
        form->KeyTyped(key);
        EXPECT_EQ(ChartView().zoomFactor, 2);
        EXPECT_EQ(ChartView().rotationRad, rotation);
        EXPECT_EQ(ChartZoomOffsets().zoomOffsetX, before.zoomOffsetX);
        EXPECT_EQ(ChartZoomOffsets().zoomOffsetY, before.zoomOffsetY);
    }
    EXPECT_FALSE(form->valuesBar()->isVisible());
}

TEST_F(ZoomTest, IdentificationUsesMappedPositions) {
    const int n = BrightStar();
    ASSERT_GT(n, 0);
    const StarPlotEntry& e = StarPlotTable()[static_cast<size_t>(n - 1)];
    const int radius = ChartView().chartRadius;
    ChartView().zoomFactor = 4;
    CentreOn(e.x, e.y);
    form->DrawChart(0);
    const QPoint p = ZoomMap(e.x, e.y);
    ZoomHit hit;
    const QString zoomed = ZoomIdentifyAt(p.x(), p.y(), &hit);
    EXPECT_EQ(hit.kind, ZoomHit::Star);
    // The same text (altitude and azimuth included) as a click on the main chart.
    const QString main = IdentifyAt(IntPart(e.x), IntPart(e.y));
    EXPECT_EQ(zoomed, main);
    // Far from any object in the zoom window (the main chart might have one there).
    const ZoomHit none = ZoomHitAt(p.x() + 13, p.y() + 13);
    if (none.kind == ZoomHit::None) {
        EXPECT_EQ(ZoomIdentifyAt(p.x() + 13, p.y() + 13), QStringLiteral("Da ist nichts!"));
    }
    // The tables are back as they were.
    EXPECT_EQ(StarPlotTable()[static_cast<size_t>(n - 1)].x, e.x);
    EXPECT_EQ(ChartView().chartRadius, radius);
    form->ClickAt(p.x(), p.y());
    ASSERT_EQ(dialogs->Messages().size(), 1);
    EXPECT_TRUE(dialogs->Messages()[0].startsWith(QStringLiteral("Info|")));
}

TEST(ZoomHelpers, SatelliteMagnitudeSubstitution) {
    struct Case {
        double m;
        int factor;
        double drawn;
    };
    const Case cases[] = {{5.5, 2, 5.4}, {5.49, 2, 5.49}, {7.0, 2, 5.4}, {6.5, 4, 6.4},
                          {6.0, 4, 6.0}, {9.0, 8, 9.0},   {5.5, 1, 5.5}};
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ZoomSatelliteMagnitude(c.m, c.factor), c.drawn) << c.m << " " << c.factor;
}

TEST(ZoomHelpers, UncertaintyNdotAndAntenna) {
    // A = 2 days, d = 0.0001 rev/d^2, n = 15.5 rev/d: 2 * (0.0001 * 8640 * 2) / (0.0004 + 15.5).
    EXPECT_EQ(ElementUncertaintySeconds(2.0, 0.0001, 15.5),
              IntPart(2.0 * (0.0001 * 8640.0 * 2.0) / (2.0 * 2.0 * 0.0001 + 15.5)));
    EXPECT_EQ(ElementUncertaintySeconds(0.0, 0.001, 15.0), 0);
    EXPECT_EQ(ElementUncertaintySeconds(10.0, 0.001, 15.0), 57);  // 10*86.4/15.02 = 57.5
    const std::string line1 =
        "1 25544U 98067A   26110.50000000  .00016717  00000-0  10270-3 0  9005";
    double d = 0.0;
    ASSERT_TRUE(ReadNdot2(line1, &d));
    EXPECT_DOUBLE_EQ(d, 0.00016717);
    std::string negative = line1;
    negative.replace(33, 10, "-.00001234");
    ASSERT_TRUE(ReadNdot2(negative, &d));
    EXPECT_DOUBLE_EQ(d, -0.00001234);
    std::string broken = line1;
    broken.replace(33, 10, " .0000x234");
    EXPECT_FALSE(ReadNdot2(broken, &d));
    EXPECT_FALSE(ReadNdot2("1 25544U", &d));
    EXPECT_EQ(MirrorAntennaText(1), QStringLiteral("vordere MMA"));
    EXPECT_EQ(MirrorAntennaText(2), QStringLiteral("rechte MMA"));
    EXPECT_EQ(MirrorAntennaText(3), QStringLiteral("linke MMA"));
    EXPECT_TRUE(MirrorAntennaText(0).isEmpty());
    EXPECT_TRUE(MirrorAntennaText(2.5).isEmpty());
}

// --- satellites -----------------------------------------------------------------------

class ZoomSatellites : public ZoomTest {
  protected:
    void SetUp() override {
        ZoomTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(SelectAprilSatellites());
        ASSERT_GT(Satellites().selectedCount, 20);
        for (int minute = 0; minute < 240 && !above; minute += 5) {
            SetInstant(AprilEvening(minute));
            ASSERT_TRUE(DrawSkyChart(*canvas));
            const SatelliteTable& s = Satellites();
            for (int k = 1; k <= s.selectedCount && !above; ++k)
                if (s.chartX[static_cast<size_t>(k)] > 0.0 &&
                    std::hypot(s.chartX[static_cast<size_t>(k)] - ChartView().chartCentreX,
                               s.chartY[static_cast<size_t>(k)] - ChartView().chartCentreY) <
                        0.8 * ChartView().chartRadius)
                    above = k;
        }
        ASSERT_GT(above, 0);
        const SatelliteTable& s = Satellites();
        for (int k = 1; k <= s.selectedCount && !below; ++k)
            if (s.chartX[static_cast<size_t>(k)] == 0.0 && s.chartY[static_cast<size_t>(k)] == 0.0)
                below = k;
        dialogs->Clear();
    }
    int above = 0;  // a selected satellite above the horizon (from 1)
    int below = 0;  // one below it
};

TEST_F(ZoomSatellites, ClickTracksTheSatelliteAndFillsTheStatusBars) {
    const SatelliteTable& s = Satellites();
    const double x = s.chartX[static_cast<size_t>(above)], y = s.chartY[static_cast<size_t>(above)];
    CentreOn(x, y);
    form->DrawChart(0);
    const QPoint p = ZoomMap(x, y);
    ZoomHit hit = ZoomHitAt(p.x(), p.y());
    if (hit.kind != ZoomHit::Satellite) GTEST_SKIP() << "another object covers the satellite";
    EXPECT_EQ(hit.index, above);
    form->ClickAt(p.x(), p.y());
    EXPECT_EQ(Tracking().trackedSatellite, above - 1);
    EXPECT_TRUE(form->valuesBar()->isVisible());
    EXPECT_TRUE(form->headerBar()->isVisible());
    EXPECT_EQ(form->headerBar()->text().toStdString(), PositionHeader());
    EXPECT_EQ(form->valuesBar()->text().toStdString(),
              PositionLine(above - 1, Shown().currentJD, PlaceOf(Place())).values);
    ASSERT_EQ(dialogs->Messages().size(), 1);
    const QStringList lines = dialogs->Messages()[0].split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 15);
    EXPECT_TRUE(
        lines[4].contains(QRegularExpression(QStringLiteral("^Helligkeit: -?\\d+\\.\\d:? mag$"))))
        << lines[4].toStdString();
    EXPECT_TRUE(lines[12].startsWith(QStringLiteral("Bahnalter: ")));
    EXPECT_TRUE(lines[13].isEmpty());
    EXPECT_TRUE(lines[14].startsWith(QStringLiteral("Unsicherheit(10%): ")) &&
                lines[14].endsWith(QStringLiteral(" s")));
    // A click on the lower status bar shows or hides the upper one.
    form->ToggleLowerStatusClick();
    EXPECT_FALSE(form->headerBar()->isVisible());
    form->ToggleLowerStatusClick();
    EXPECT_TRUE(form->headerBar()->isVisible());
}

TEST_F(ZoomSatellites, FollowingKeysCentreTheSatelliteAndClampTheFactor) {
    Tracking().trackedSatellite = above - 1;
    struct Case {
        int before;
        QChar key;
        int after;
    };
    const Case cases[] = {{8, QLatin1Char('*'), 16},
                          {2, QLatin1Char('/'), 2},
                          {4, QLatin1Char('/'), 2},
                          {4, QLatin1Char('n'), 4}};
    for (const Case& c : cases) {
        ChartView().zoomFactor = c.before;
        form->KeyTyped(c.key);
        EXPECT_EQ(ChartView().zoomFactor, c.after) << c.before;
        // The satellite now lies straight below the chart centre and at the view centre.
        const SatelliteTable& s = Satellites();
        const double x = s.chartX[static_cast<size_t>(above)],
                     y = s.chartY[static_cast<size_t>(above)];
        ASSERT_GT(x, 0.0);
        EXPECT_NEAR(x, ChartView().chartCentreX, 1.0);
        EXPECT_GT(y, ChartView().chartCentreY);
        const QPoint p = ZoomMap(x, y);
        EXPECT_LE(std::abs(p.x() - ZoomViewCentre().x()), c.after + 1);
        EXPECT_LE(std::abs(p.y() - ZoomViewCentre().y()), c.after + 1);
        EXPECT_EQ(ZoomValues().lastPointerTarget, p) << "the pointer follows the satellite";
        EXPECT_EQ(form->headerBar()->text().toStdString(), PositionHeader());
        EXPECT_EQ(form->valuesBar()->text().toStdString(),
                  PositionLine(above - 1, Shown().currentJD, PlaceOf(Place())).values);
        EXPECT_GE(ChartView().rotationRad, 0.0);
        EXPECT_LT(ChartView().rotationRad, kTwoPi);
    }
}

TEST_F(ZoomSatellites, ATrackedSatelliteBelowTheHorizonLeavesTheView) {
    ASSERT_GT(below, 0);
    Tracking().trackedSatellite = below - 1;
    ChartView().zoomFactor = 4;
    const double rotation = ChartView().rotationRad;
    const ZoomOffsets before = ChartZoomOffsets();
    form->KeyTyped(QLatin1Char('n'));
    EXPECT_EQ(ChartView().zoomFactor, 4);
    EXPECT_EQ(ChartView().rotationRad, rotation);
    EXPECT_EQ(ChartZoomOffsets().zoomOffsetX, before.zoomOffsetX);
    EXPECT_EQ(ChartZoomOffsets().zoomOffsetY, before.zoomOffsetY);
    EXPECT_FALSE(form->ShowSatellite(below - 1, 8));
}

// Following a satellite turns the chart for the zoom window; leaving the zoom window
// gives the main chart back its own rotation (it was left with W at the top).
TEST_F(ZoomSatellites, LeavingTheZoomWindowTurnsTheMainChartBack) {
    const double own = ChartView().rotationRad;
    Tracking().trackedSatellite = above - 1;
    form->KeyTyped(QLatin1Char('n'));
    if (std::fabs(ChartView().rotationRad - own) < 1e-3)
        GTEST_SKIP() << "the satellite stands straight south already";
    ChartView().zoomFactor = 2;
    form->ZoomOut();
    ASSERT_FALSE(form->isVisible());
    EXPECT_EQ(ChartView().rotationRad, own);
    ASSERT_TRUE(DrawSkyChart(*canvas));
    EXPECT_LT(ChartTexts().compass[0].rect.bottom(),
              ChartView().chartCentreY - ChartView().chartRadius)
        << "N above the disc";
}

TEST_F(ZoomSatellites, StepsLeaveTrailsFromTheZoomTrailOrigin) {
    form->DrawChart(0);
    const JD1900 start = Shown().currentJD;
    EXPECT_DOUBLE_EQ(ZoomValues().zoomTrailOriginJD, start);
    for (int i = 0; i < 10; ++i) form->KeyTyped(QLatin1Char('+'));
    EXPECT_NEAR(Shown().currentJD - start, 60.0 / 86400.0, 1e-9);
    EXPECT_DOUBLE_EQ(ZoomValues().zoomTrailOriginJD, start);
    for (int i = 0; i < 12; ++i) form->KeyTyped(QLatin1Char('-'));
    EXPECT_DOUBLE_EQ(ZoomValues().zoomTrailOriginJD, Shown().currentJD)
        << "stepping back beyond the origin moves it";
    EXPECT_TRUE(form->windowTitle().contains(QString::fromStdString(TimeText)));
}

}  // namespace

namespace {

TEST_F(ZoomTest, MenusTogglesAndClosing) {
    EXPECT_EQ(form->fileMenu->actions().size(), 2);
    EXPECT_EQ(form->printAction->text(), QStringLiteral("Drucken"));
    EXPECT_EQ(form->exitAction->text(), QStringLiteral("Beenden"));
    EXPECT_TRUE(form->zoomOutAction->isEnabled());
    EXPECT_EQ(form->goToRaDecAction->text(), QStringLiteral("alpha/delta"));
    EXPECT_EQ(form->goToAltAzAction->text(), QStringLiteral("Höhe/Azimut"));
    EXPECT_FALSE(form->selectSatellitesAction->isEnabled()) << "no satellites loaded";
    EXPECT_FALSE(form->computePassesAction->isEnabled());
    EXPECT_FALSE(form->showPassesAction->isEnabled());

    struct Toggle {
        QAction* action;
        bool* flag;
    };
    const Toggle toggles[] = {
        {form->planetNamesAction, &ViewOptions().showPlanetNames},
        {form->constellationNamesAction, &ViewOptions().showConstellationNames},
        {form->constellationLinesAction, &ViewOptions().showConstellationLines},
        {form->altitudeLinesAction, &ViewOptions().showAltitudeLines},
        {form->zodiacAction, &ViewOptions().showZodiac}};
    for (const Toggle& t : toggles) {
        const bool before = *t.flag;
        t.action->trigger();
        EXPECT_EQ(*t.flag, !before) << t.action->text().toStdString();
        EXPECT_EQ(t.action->isChecked(), *t.flag) << t.action->text().toStdString();
        t.action->trigger();
        EXPECT_EQ(*t.flag, before);
    }
    EXPECT_FALSE(Shown().timeChanged) << "toggles do not set timeChanged";

    // Altitude lines on and off again by exclusive-or leave the picture as it was.
    ViewOptions().showAltitudeLines = false;
    form->DrawChart(0);
    const QImage before = form->canvas().Image().copy();
    form->altitudeLinesAction->trigger();
    EXPECT_NE(form->canvas().Image(), before);
    EXPECT_TRUE(ViewOptions().showAltitudeLines);
    const QImage withLines = form->canvas().Image().copy();
    form->zodiacAction->trigger();  // exclusive-or on
    form->zodiacAction->trigger();  // and off again
    EXPECT_EQ(form->canvas().Image(), withLines);

    form->close();
    EXPECT_EQ(ChartView().zoomFactor, 1) << "closing makes the main chart the active view";
}

}  // namespace
