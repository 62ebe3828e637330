// What the user does on the main chart: identification, time entry and steps with
// trails, "Drehen", "Vergrößern", the rise/set labels and the display toggles.
#include <cmath>

#include "catalog/catalog.h"
#include "chart/body_plot.h"
#include "chart/chart_view.h"
#include "chart_fixture.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "core/rise_set.h"
#include "prediction/selection_model.h"
#include "satellite/loaded_elements.h"
#include "satellite/observation.h"
#include "satellite/satellites_at_instant.h"

using namespace charttest;
using testsupport::DialogKind;

namespace {

// True when nothing of an earlier search order lies within the hit box of (x, y).
bool OnlyStarsNear(int x, int y) {
    for (const BodyPlotEntry& b : BodyPlotTable())
        if (std::abs(IntPart(b.x) - x) <= 8 && std::abs(IntPart(b.y) - y) <= 8) return false;
    for (const NebulaPlotEntry& n : NebulaPlotTable())
        if (std::abs(IntPart(n.x) - x) <= 8 && std::abs(IntPart(n.y) - y) <= 8) return false;
    const MinorBodyOnChart& m = MinorBodyPlot();
    return !(std::abs(IntPart(m.chartX) - x) <= 8 && std::abs(IntPart(m.chartY) - y) <= 8);
}

QString Columns(const std::string& line, int first, int last) {
    return QString::fromLatin1(
        line.substr(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1)));
}

// The brightest plotted star with nothing else near it.
int IsolatedStar() {
    int best = 0;
    for (int n = 1; n <= kStarPlotCount; ++n) {
        const StarPlotEntry& e = StarPlotTable()[static_cast<size_t>(n - 1)];
        if (e.x * e.y == 0.0 || !OnlyStarsNear(IntPart(e.x), IntPart(e.y))) continue;
        if (best == 0 || e.magnitude < StarPlotTable()[static_cast<size_t>(best - 1)].magnitude)
            best = n;
    }
    return best;
}

}  // namespace

class ChartIdentification : public ChartTest {
  protected:
    void SetUp() override {
        ChartTest::SetUp();
        ASSERT_TRUE(DrawSkyChart(*canvas));
        dialogs->Clear();
    }
};

TEST_F(ChartIdentification, StarTextFollowsItsCatalogueLine) {
    const int best = IsolatedStar();
    ASSERT_GT(best, 0);
    const StarPlotEntry& e = StarPlotTable()[static_cast<size_t>(best - 1)];
    const std::string line = ReadStarLine(best);
    bool hit = false;
    const QString text = IdentifyAt(IntPart(e.x) + 2, IntPart(e.y) - 3, nullptr, &hit);
    ASSERT_TRUE(hit);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 8) << text.toStdString();
    EXPECT_EQ(lines[3], QStringLiteral("Entfernung: ") + Columns(line, 33, 37).trimmed() +
                            QStringLiteral(" Lichtjahre"));
    EXPECT_EQ(lines[4],
              QStringLiteral("Helligkeit: ") + Columns(line, 15, 19) + QStringLiteral(" mag"));
    EXPECT_EQ(lines[5], QString());
    EXPECT_TRUE(lines[6].startsWith(QStringLiteral("Höhe: ")) &&
                lines[6].endsWith(QStringLiteral(" Grad")));
    EXPECT_TRUE(lines[7].startsWith(QStringLiteral("Azimut: ")));
    // Altitude from the plot position: r = R tan((90 - h)/2).
    const double r = std::hypot(e.x - ChartView().chartCentreX, e.y - ChartView().chartCentreY);
    const double altitude = 90.0 - 2.0 * std::atan(r / ChartView().chartRadius) * 180.0 / kPi;
    EXPECT_EQ(lines[6], QStringLiteral("Höhe: ") + QString::number(altitude, 'f', 2) +
                            QStringLiteral(" Grad"));
    EXPECT_TRUE(text.endsWith(QStringLiteral(" Grad\r\n")));

    IdentifyClick(IntPart(e.x), IntPart(e.y));
    ASSERT_EQ(dialogs->CallsOf(DialogKind::Message).size(), 1u);
    EXPECT_EQ(dialogs->CallsOf(DialogKind::Message)[0].caption, QStringLiteral("Info"));
    EXPECT_EQ(dialogs->CallsOf(DialogKind::Message)[0].text, text);
}

TEST_F(ChartIdentification, StarWithoutDistanceSaysUnknown) {
    // The same star with its distance columns 33-37 blank, as the catalogue's further
    // Hipparcos stars have them.
    const int star = IsolatedStar();
    ASSERT_GT(star, 0);
    const std::string catalogue = testsupport::ReadTextFile("STERNKAT");
    std::size_t lineStart = 0;
    for (int n = 1; n < star; ++n) lineStart = catalogue.find('\n', lineStart) + 1;
    std::string blanked = catalogue;
    blanked.replace(lineStart + 32, 5, "     ");
    testsupport::TempDir dir;
    testsupport::WriteTextFile(dir / "STERNKAT", blanked);
    testsupport::ScopedWorkingDir cwd(dir.path());
    const StarPlotEntry& e = StarPlotTable()[static_cast<size_t>(star - 1)];
    const QStringList lines =
        IdentifyAt(IntPart(e.x) + 2, IntPart(e.y) - 3).split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[3], QStringLiteral("Entfernung: unbekannt"));
}

TEST_F(ChartIdentification, StarCatalogueCasesGiveTheirFirstLines) {
    int hip = 0, text = 0, plain = 0;
    ReadStarRecords([&](int n, const StarRecord& star) {
        const StarPlotEntry& e = StarPlotTable()[static_cast<size_t>(n - 1)];
        if (e.x * e.y == 0.0) return;
        if (star.catalogueKind == CatalogueKind::Hipparcos && !hip) hip = n;
        if (star.catalogueKind == CatalogueKind::Text && !text) text = n;
        if (star.catalogueKind == CatalogueKind::None && star.line.size() >= 38 && !plain)
            plain = n;
    });
    auto textOf = [](int n) {
        const StarPlotEntry e = StarPlotTable()[static_cast<size_t>(n - 1)];
        // Search from the plot position of this very star: make it the only candidate.
        StarPlotTableData saved = StarPlotTable();
        for (auto& other : StarPlotTable()) other.x = other.y = 0.0;
        StarPlotTable()[static_cast<size_t>(n - 1)] = e;
        ResetBodyPlotTable();
        ResetNebulaPlotTable();
        ResetMinorBodyState();
        const QString t = IdentifyAt(IntPart(e.x), IntPart(e.y));
        StarPlotTable() = saved;
        return t.split(QStringLiteral("\r\n"));
    };
    if (hip) {
        const std::string line = ReadStarLine(hip);
        const QStringList l = textOf(hip);
        EXPECT_EQ(l[0], QStringLiteral("HIP ") + Columns(line, 41, 50).trimmed());
        EXPECT_EQ(l[1], QStringLiteral("Fixstern"));
    }
    if (text) {
        const std::string line = ReadStarLine(text);
        const QStringList l = textOf(text);
        QString designation = Columns(line, 23, 32);
        while (designation.endsWith(QLatin1Char(' '))) designation.chop(1);
        EXPECT_EQ(l[0], designation + QStringLiteral(" ") + Columns(line, 20, 22));
        EXPECT_EQ(l[1], Columns(line, 38, 57));
    }
    if (plain) {
        EXPECT_EQ(textOf(plain)[1], QStringLiteral("Fixstern"));
    }
    EXPECT_TRUE(hip || text || plain);
}

TEST_F(ChartIdentification, PlanetWinsOverAStarAtTheSamePixel) {
    // Put a planet onto a plotted star: the planet's text comes first.
    const StarPlotEntry* star = nullptr;
    for (const StarPlotEntry& e : StarPlotTable())
        if (e.x * e.y != 0.0 && OnlyStarsNear(IntPart(e.x), IntPart(e.y))) {
            star = &e;
            break;
        }
    ASSERT_NE(star, nullptr);
    BodyPlotEntry& jupiter = BodyPlotTable()[kBodyJupiter];
    jupiter.x = star->x;
    jupiter.y = star->y;
    jupiter.distance = 4.5;
    jupiter.magnitude = -2.3;
    const QStringList l =
        IdentifyAt(IntPart(star->x), IntPart(star->y)).split(QStringLiteral("\r\n"));
    EXPECT_EQ(l[0], QStringLiteral("Jupiter"));
    EXPECT_EQ(l[1], QStringLiteral("Entfernung: 673 Mio km"));
    EXPECT_EQ(l[2], QStringLiteral("Helligkeit: -2.3 mag"));
    EXPECT_EQ(l[3], QString());
    EXPECT_TRUE(l[4].startsWith(QStringLiteral("Höhe: ")));
}

TEST_F(ChartIdentification, SunAndMoonHaveNoMagnitudeLine) {
    BodyPlotEntry& moon = BodyPlotTable()[kBodyMoon];
    moon.x = ChartView().chartCentreX;
    moon.y = ChartView().chartCentreY;
    moon.distance = 0.00257;
    ResetMinorBodyState();
    const QStringList l = IdentifyAt(ChartView().chartCentreX, ChartView().chartCentreY)
                              .split(QStringLiteral("\r\n"));
    ASSERT_GE(l.size(), 6);
    EXPECT_EQ(l[0], QStringLiteral("Mond"));
    EXPECT_EQ(l[1], QStringLiteral("Entfernung: 0.4 Mio km"));
    EXPECT_EQ(l[2], QString());
    EXPECT_EQ(l[3], QString());
    EXPECT_EQ(l[4], QStringLiteral("Höhe: 90.00 Grad"));
}

TEST_F(ChartIdentification, NebulaTextFromItsLine) {
    int n = 0;
    for (int i = 1; i <= kNebulaPlotCount && !n; ++i) {
        const NebulaPlotEntry& e = NebulaPlotTable()[static_cast<size_t>(i - 1)];
        bool clear = e.x * e.y != 0.0;
        for (const BodyPlotEntry& b : BodyPlotTable())
            clear = clear && !(std::abs(b.x - e.x) < 8 && std::abs(b.y - e.y) < 8);
        if (clear) n = i;
    }
    ASSERT_GT(n, 0);
    ResetMinorBodyState();
    const NebulaPlotEntry& e = NebulaPlotTable()[static_cast<size_t>(n - 1)];
    const std::string line = ReadNebulaLine(n);
    const QStringList l =
        IdentifyAt(IntPart(e.x) - 3, IntPart(e.y) + 3).split(QStringLiteral("\r\n"));
    EXPECT_EQ(l[0], Columns(line, 20, 44));
    QString distance = Columns(line, 45, 52);
    while (distance.endsWith(QLatin1Char(' '))) distance.chop(1);
    EXPECT_EQ(l[1], QStringLiteral("Entfernung ") + distance + QStringLiteral(" Lichtjahre"));
    EXPECT_EQ(l[2], Columns(line, 53, 72));
}

TEST_F(ChartIdentification, ConstellationLabelOnlyWhileNamesAreShownAndItBlinks) {
    int n = 0;
    for (int i = 1; i <= kLabelPlotCount && !n; ++i) {
        const LabelPlotEntry& e = LabelPlotTable()[static_cast<size_t>(i - 1)];
        if (e.x * e.y != 0.0 && OnlyStarsNear(IntPart(e.x), IntPart(e.y))) n = i;
    }
    ASSERT_GT(n, 0);
    const LabelPlotEntry& e = LabelPlotTable()[static_cast<size_t>(n - 1)];
    int label = -1;
    IdentifyAt(IntPart(e.x), IntPart(e.y), &label);
    EXPECT_EQ(label, 0) << "labels are found only while their names are shown";

    ViewOptions().showConstellationNames = true;
    const QString text = IdentifyAt(IntPart(e.x) + 5, IntPart(e.y) + 5, &label);
    EXPECT_EQ(label, n);
    QString expected = QString::fromLatin1(e.text.substr(3));
    expected.replace(QLatin1Char('|'), QStringLiteral("\r\n"));
    EXPECT_EQ(text, expected + QStringLiteral("\r\n"));

    const QImage before = canvas->Image().copy();
    const int paintsBefore = repaints;
    IdentifyClick(IntPart(e.x), IntPart(e.y));
    EXPECT_EQ(dialogs->Messages().size(), 1);
    EXPECT_GE(repaints - paintsBefore, 10) << "five times dark and bright again";
    EXPECT_EQ(canvas->Image(), before) << "the stars end white as before";
}

TEST_F(ChartIdentification, EmptySkyAndClicksOutsideTheDisc) {
    // A point on the disc with nothing in reach.
    int x = -1, y = -1;
    for (int py = ChartView().chartCentreY - 100; py < ChartView().chartCentreY + 100 && x < 0;
         py += 7)
        for (int px = ChartView().chartCentreX - 100; px < ChartView().chartCentreX + 100 && x < 0;
             px += 7) {
            bool hit = true;
            IdentifyAt(px, py, nullptr, &hit);
            if (!hit) x = px, y = py;
        }
    ASSERT_GE(x, 0);
    IdentifyClick(x, y);
    EXPECT_EQ(dialogs->Messages(), QStringList{QStringLiteral("Info|Da ist nichts!")});
    dialogs->Clear();
    IdentifyClick(ChartView().chartCentreX + ChartView().chartRadius + 2, ChartView().chartCentreY);
    IdentifyClick(5, 5);
    EXPECT_TRUE(dialogs->Calls().empty());
    // On the rim counts as inside.
    bool hit = true;
    IdentifyAt(ChartView().chartCentreX, ChartView().chartCentreY + ChartView().chartRadius,
               nullptr, &hit);
    IdentifyClick(ChartView().chartCentreX, ChartView().chartCentreY + ChartView().chartRadius);
    EXPECT_EQ(dialogs->Messages().size(), 1);
}

class ChartSatellites : public ChartTest {
  protected:
    void SetUp() override {
        ChartTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(SelectAprilSatellites());
        ASSERT_GT(ElementFile().satelliteCount, 20);
        ASSERT_GT(Satellites().selectedCount, 20);
        // A moment with a bright satellite on the chart.
        for (int minute = 0; minute < 240; minute += 5) {
            SetInstant(AprilEvening(minute));
            ASSERT_TRUE(DrawSkyChart(*canvas));
            if (BrightVisible() > 0) break;
        }
        dialogs->Clear();
    }
    int BrightVisible() const {
        const SatelliteTable& s = Satellites();
        int n = 0;
        for (int k = 1; k <= s.selectedCount; ++k)
            if (s.chartX[static_cast<size_t>(k)] > 0.0 &&
                s.chartMagnitude[static_cast<size_t>(k)] < 4.5)
                ++n;
        return n;
    }
};

TEST_F(ChartSatellites, SatelliteDotsAndTheirInformationText) {
    const SatelliteTable& s = Satellites();
    int found = 0;
    for (int k = 1; k <= s.selectedCount && !found; ++k) {
        const double x = s.chartX[static_cast<size_t>(k)], y = s.chartY[static_cast<size_t>(k)];
        if (x <= 0.0) continue;
        const long colour = Px(x, y);
        if (s.chartMagnitude[static_cast<size_t>(k)] < 2.5) {
            EXPECT_EQ(colour, s.inShadow[static_cast<size_t>(k)] == 1 ? 0xff0000 : 0xffff00);
        }
        const QString text = IdentifyAt(IntPart(x), IntPart(y));
        if (!text.contains(QStringLiteral("Bahnalter: "))) continue;
        found = k;
        const QStringList l = text.split(QStringLiteral("\r\n"));
        ASSERT_GE(l.size(), 14);
        EXPECT_EQ(l[0].toStdString(),
                  SelectedSatelliteDetails(k - 1, Shown().currentJD, PlaceOf(Place())).name);
        EXPECT_TRUE(l[2].contains(QStringLiteral(" km, ")) &&
                    l[2].endsWith(QStringLiteral(" Grad")));
        EXPECT_TRUE(l[4].startsWith(QStringLiteral("Helligkeit: ")) &&
                    l[4].endsWith(QStringLiteral(" mag")));
        EXPECT_TRUE(l[5].startsWith(QStringLiteral("Phasenwinkel: ")));
        EXPECT_TRUE(l[7].startsWith(QStringLiteral("Entfernung: ")) &&
                    l[7].endsWith(QStringLiteral(" km")));
        EXPECT_TRUE(l[8].startsWith(QStringLiteral("Flughöhe: ")));
        EXPECT_TRUE(l[9].startsWith(QStringLiteral("Schattenabstand: ")));
        EXPECT_TRUE(l[11].startsWith(QStringLiteral("Geschwindigkeit: ")) &&
                    l[11].endsWith(QStringLiteral(" Grad/Sekunde")));
        EXPECT_TRUE(l[12].startsWith(QStringLiteral("Bahnalter: ")) &&
                    l[12].endsWith(QStringLiteral(" Tage")));
        EXPECT_TRUE(Selection().infoFromSelection);
    }
    EXPECT_GT(found, 0) << "no satellite above the horizon could be identified";
}

TEST_F(ChartSatellites, TenStepsForwardLeaveTrailsAndTenBackRemoveThem) {
    ASSERT_GT(BrightVisible(), 0);
    const JD1900 start = Shown().currentJD;
    const long trail = 0x9090ff;
    auto countTrail = [&] {
        int n = 0;
        for (int y = 0; y < canvas->Height(); ++y)
            for (int x = 0; x < canvas->Width(); ++x) n += canvas->PixelRgb(x, y) == trail;
        return n;
    };
    EXPECT_EQ(countTrail(), 0);
    for (int i = 0; i < 10; ++i) ChartKey(QLatin1Char('+'));
    EXPECT_NEAR(Shown().currentJD - start, 60.0 / 86400.0, 1e-9);
    EXPECT_EQ(Shown().trailOriginJD, start);
    EXPECT_GT(countTrail(), 0);
    EXPECT_EQ(ChartTexts().timeLine.text.left(11),
              QStringLiteral("um ") + QString::fromStdString(TimeText).left(8));
    for (int i = 0; i < 10; ++i) ChartKey(QLatin1Char('-'));
    EXPECT_NEAR(Shown().currentJD, start, 1e-9);
    EXPECT_EQ(countTrail(), 0);
    ChartKey(QLatin1Char('-'));
    EXPECT_EQ(Shown().trailOriginJD, Shown().currentJD)
        << "stepping back beyond the origin moves it";
}

TEST_F(ChartSatellites, DrehenTurnsTheStoredSatellitesWithTheChart) {
    int k = 0;
    for (int i = 1; i <= Satellites().selectedCount && !k; ++i)
        if (Satellites().chartX[static_cast<size_t>(i)] > 0.0) k = i;
    ASSERT_GT(k, 0);
    const double x = Satellites().chartX[static_cast<size_t>(k)],
                 y = Satellites().chartY[static_cast<size_t>(k)];
    ChartMouseMove(ChartView().chartCentreX, ChartView().chartCentreY - 50);
    StartRotating();
    ChartMouseUp(ChartView().chartCentreX, ChartView().chartCentreY - 50);
    // Turned by pi about the centre.
    EXPECT_NEAR(Satellites().chartX[static_cast<size_t>(k)], 2 * ChartView().chartCentreX - x,
                1e-6);
    EXPECT_NEAR(Satellites().chartY[static_cast<size_t>(k)], 2 * ChartView().chartCentreY - y,
                1e-6);
    // Satellites not on the chart stay off it.
    for (int i = 1; i <= Satellites().selectedCount; ++i)
        if (Satellites().chartX[static_cast<size_t>(i)] == 0.0) {
            EXPECT_EQ(Satellites().chartY[static_cast<size_t>(i)], 0.0);
        }
}

class ChartInteraction : public ChartTest {};

TEST_F(ChartInteraction, DrehenAtTheTopTurnsTheChartByPi) {
    std::vector<bool> menuStates;
    ChartHooks().setMainMenusEnabled = [&](bool on) { menuStates.push_back(on); };
    DrawSkyChart();
    const QImage before = canvas->Image().copy();
    ChartMouseMove(ChartView().chartCentreX + 30, ChartView().chartCentreY - 40);
    StartRotating();
    EXPECT_TRUE(ChartView().rotating);
    EXPECT_EQ(menuStates, std::vector<bool>{false});
    // The marker sits on the rim in the pointer's direction: (30, -40) scaled to R.
    EXPECT_EQ(ChartView().markerX,
              IntPart(ChartView().chartCentreX + 30.0 * ChartView().chartRadius / 50.0));
    EXPECT_EQ(ChartView().markerY,
              IntPart(ChartView().chartCentreY - 40.0 * ChartView().chartRadius / 50.0));
    EXPECT_NE(canvas->Image(), before);
    ChartMouseMove(ChartView().chartCentreX, ChartView().chartCentreY - 60);
    ChartMouseMove(ChartView().chartCentreX + 30, ChartView().chartCentreY - 40);
    // Moving the marker away and back leaves the same picture (exclusive-or).
    const QImage marked = canvas->Image().copy();
    ChartMouseMove(ChartView().chartCentreX - 70, ChartView().chartCentreY + 10);
    ChartMouseMove(ChartView().chartCentreX + 30, ChartView().chartCentreY - 40);
    EXPECT_EQ(canvas->Image(), marked);

    ChartMouseDown(ChartView().chartCentreX, ChartView().chartCentreY - 100);
    EXPECT_TRUE(dialogs->Calls().empty()) << "no information box while turning";
    ChartMouseUp(ChartView().chartCentreX, ChartView().chartCentreY - 100);
    EXPECT_FALSE(ChartView().rotating);
    EXPECT_NEAR(ChartView().rotationRad, kPi, 1e-12);
    EXPECT_EQ(ChartView().previousRotationRad, 0.0);
    EXPECT_EQ(menuStates, (std::vector<bool>{false, true}));
    // North is now below the disc and south above it.
    EXPECT_GT(ChartTexts().compass[0].rect.top(),
              ChartView().chartCentreY + ChartView().chartRadius);
    EXPECT_LT(ChartTexts().compass[1].rect.bottom(),
              ChartView().chartCentreY - ChartView().chartRadius);
    // A star moves to the point mirrored through the centre.
    ResetPlotTables();
    const double turned = ChartView().rotationRad;
    ChartView().rotationRad = 0.0;
    DrawSkyChart();
    const StarPlotTableData unturned = StarPlotTable();
    ChartView().rotationRad = turned;
    DrawSkyChart();
    for (size_t i = 0; i < unturned.size(); ++i) {
        if (unturned[i].x * unturned[i].y == 0.0) continue;
        EXPECT_NEAR(StarPlotTable()[i].x, 2 * ChartView().chartCentreX - unturned[i].x, 1e-6);
        EXPECT_NEAR(StarPlotTable()[i].y, 2 * ChartView().chartCentreY - unturned[i].y, 1e-6);
        break;
    }
}

TEST_F(ChartInteraction, VergroessernSetsTheZoomOffsetsOnTheNextClick) {
    bool zoomShown = false;
    std::vector<bool> menuStates;
    ChartHooks().showZoomWindow = [&] { zoomShown = true; };
    ChartHooks().setMainMenusEnabled = [&](bool on) { menuStates.push_back(on); };
    DrawSkyChart();
    const QImage before = canvas->Image().copy();
    ChartMouseMove(300, 200);
    StartChoosingZoomFrame();
    EXPECT_TRUE(ChartView().choosingZoomFrame);
    ChartMouseMove(320, 210);
    ChartMouseDown(320, 210);
    EXPECT_FALSE(ChartView().choosingZoomFrame);
    EXPECT_TRUE(zoomShown);
    EXPECT_TRUE(dialogs->Calls().empty());
    EXPECT_EQ(menuStates, (std::vector<bool>{false, true}));
    EXPECT_EQ(ChartView().zoomFactor, 2);
    EXPECT_EQ(ChartZoomOffsets().zoomOffsetX, 648 / 2 + 2 * ChartView().chartCentreX - 2 * 320);
    EXPECT_EQ(ChartZoomOffsets().zoomOffsetY,
              (488 - 48) / 2 + 2 * ChartView().chartCentreY - 2 * 210);
    EXPECT_EQ(canvas->Image(), before) << "the frame is removed again";
}

TEST_F(ChartInteraction, DateAndTimeEntry) {
    DrawSkyChart();
    const JD1900 before = Shown().currentJD;
    struct Case {
        bool date;
        const char* answer;
        bool valid;
    };
    const Case cases[] = {
        {true, "32.01.2026", false}, {true, "29.02.2026", false}, {true, "1.13.2026", false},
        {true, "heute", false},      {false, "25:00", false},     {false, "12:60:00", false},
        {false, "12.30", false},     {true, "", false},
    };
    for (const Case& c : cases) {
        dialogs->Clear();
        dialogs->AnswerInput(QString::fromLatin1(c.answer));
        c.date ? EnterChartDate() : EnterChartTime();
        ASSERT_EQ(dialogs->Calls().size(), 2u) << c.answer;
        EXPECT_EQ(dialogs->Calls()[0].caption,
                  c.date ? QStringLiteral("Datum ändern") : QStringLiteral("Uhrzeit ändern"));
        EXPECT_EQ(dialogs->Calls()[1].kind, DialogKind::Message);
        EXPECT_TRUE(dialogs->Calls()[1].text.startsWith(
            QStringLiteral("'") + QString::fromLatin1(c.answer) + QStringLiteral("'")));
        EXPECT_EQ(Shown().currentJD, before) << c.answer;
    }
    dialogs->Clear();
    dialogs->AnswerInput(QStringLiteral("24.12.2027"));
    EnterChartDate();
    EXPECT_EQ(dialogs->Calls()[0].proposed, QStringLiteral("15.01.2026"));
    EXPECT_DOUBLE_EQ(Shown().currentJD, JulianDay1900(2027, 12, 24) + 19.0 / 24.0);
    EXPECT_EQ(Shown().year, 2027);
    EXPECT_EQ(ChartTexts().dateLine.text, QStringLiteral("am 24.12.2027"));
    dialogs->AnswerInput(QStringLiteral("6:05"));
    EnterChartTime();
    EXPECT_DOUBLE_EQ(Shown().currentJD,
                     JulianDay1900(2027, 12, 24) + (6.0 + 5.0 / 60.0 - 1.0) / 24.0);
    EXPECT_EQ(ChartTexts().timeLine.text, QStringLiteral("um 06:05:00 MEZ"));
    // Cancelled: the proposed text comes back, the instant is recomputed unchanged.
    const JD1900 now = Shown().currentJD;
    dialogs->CancelNext(DialogKind::Input);
    EnterChartTime();
    EXPECT_DOUBLE_EQ(Shown().currentJD, now);
}

// With Berlin's rule: 02:30 of the spring change is refused, the repeated 02:30 of the
// autumn change is the earlier one (MESZ), each said in a message.
TEST_F(ChartInteraction, TimeEntryAcrossTheChangesOfSummerTime) {
    Place().zoneRule = "Europe/Berlin";
    DrawSkyChart();
    dialogs->AnswerInput(QStringLiteral("29.03.2026"));
    EnterChartDate();
    const JD1900 before = Shown().currentJD;
    dialogs->Clear();
    dialogs->AnswerInput(QStringLiteral("02:30"));
    EnterChartTime();
    ASSERT_EQ(dialogs->Calls().size(), 2u);
    EXPECT_EQ(dialogs->Calls()[1].caption, QStringLiteral("Zeitumstellung"));
    EXPECT_TRUE(dialogs->Calls()[1].text.contains(QStringLiteral("gibt es in der Zeitzone")));
    EXPECT_EQ(Shown().currentJD, before);

    dialogs->AnswerInput(QStringLiteral("25.10.2026"));
    EnterChartDate();
    dialogs->Clear();
    dialogs->AnswerInput(QStringLiteral("02:30"));
    EnterChartTime();
    ASSERT_EQ(dialogs->Calls().size(), 2u);
    EXPECT_TRUE(dialogs->Calls()[1].text.contains(QStringLiteral("zweimal")));
    EXPECT_DOUBLE_EQ(Shown().currentJD, JulianDay1900(2026, 10, 25) + 0.5 / 24.0);
    EXPECT_EQ(ChartTexts().timeLine.text, QStringLiteral("um 02:30:00 MESZ"));
}

TEST_F(ChartInteraction, StepKeyAndTimeMenu) {
    DrawSkyChart();
    dialogs->AnswerInput(QStringLiteral("zehn"));
    ChartKey(QLatin1Char('t'));
    EXPECT_EQ(Shown().timeStepSeconds, 6);
    EXPECT_EQ(dialogs->Messages().size(), 1);
    dialogs->AnswerInput(QStringLiteral("30"));
    ChartKey(QLatin1Char('t'));
    EXPECT_EQ(Shown().timeStepSeconds, 30);
    const JD1900 t = Shown().currentJD;
    StepChartTime(1.0 / 24.0);
    EXPECT_DOUBLE_EQ(Shown().currentJD, t + 1.0 / 24.0);
    EXPECT_FALSE(Shown().timeChanged) << "the drawing clears it";
    EXPECT_EQ(ChartTexts().timeLine.text, QStringLiteral("um 21:00:00 MEZ"));
    StepChartTime(-1.0);
    EXPECT_EQ(ChartTexts().dateLine.text, QStringLiteral("am 14.01.2026"));
}

TEST_F(ChartInteraction, RiseSetLabelClickTakesItsEventAndIgnoresMissingOnes) {
    DrawSkyChart();
    const RiseSetLabel sunrise = ChartTexts().riseSet[3];
    ASSERT_GT(sunrise.instant, 1.0);
    ChartMouseDown(sunrise.rect.center().x(), sunrise.rect.center().y());
    EXPECT_DOUBLE_EQ(Shown().currentJD, sunrise.instant);
    EXPECT_TRUE(dialogs->Calls().empty());
    // Polar day: "SA" does nothing.
    Place().setLatitude(80.0);
    SetInstant(JulianDay1900(2026, 6, 21) + 0.5);
    DrawSkyChart();
    const JD1900 before = Shown().currentJD;
    RiseSetLabelClicked(3);
    EXPECT_EQ(Shown().currentJD, before);
}

TEST_F(ChartInteraction, NameTogglesDrawOnTopOrRedraw) {
    int checks = 0;
    ChartHooks().syncViewChecks = [&] { ++checks; };
    DrawSkyChart();
    const QImage plain = canvas->Image().copy();
    TogglePlanetNames();
    EXPECT_TRUE(ViewOptions().showPlanetNames);
    ToggleConstellationNames();
    EXPECT_TRUE(ViewOptions().showConstellationNames);
    EXPECT_NE(canvas->Image(), plain);
    TogglePlanetNames();
    ToggleConstellationNames();
    EXPECT_EQ(checks, 4);
    EXPECT_EQ(canvas->Image(), plain) << "turning both off draws the chart without names";
    ToggleConstellationLines();
    EXPECT_TRUE(ViewOptions().showConstellationLines);
    EXPECT_NE(canvas->Image(), plain);
    EXPECT_FALSE(Shown().timeChanged);
}

TEST_F(ChartInteraction, LoadElementFileFromTheMenu) {
    int enabled = 0, shown = 0;
    ChartHooks().enableSatelliteSelection = [&] { ++enabled; };
    ChartHooks().showSelectionWindow = [&] { ++shown; };
    DrawSkyChart();
    // Cancelled: nothing happens.
    dialogs->CancelNext(DialogKind::OpenFile);
    LoadElementFileFromMenu();
    EXPECT_EQ(ElementFile().satelliteCount, 0);
    EXPECT_EQ(shown, 0);
    const QString file =
        QString::fromStdString(testsupport::DataPath("stations-2026-04.tle").string());
    dialogs->AnswerOpenFile(file, 3);
    LoadElementFileFromMenu();
    const auto calls = dialogs->CallsOf(DialogKind::OpenFile);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].caption, QStringLiteral("Bahnelemente-Datei auswählen"));
    ASSERT_EQ(calls[1].request.filters.size(), 4);
    EXPECT_EQ(calls[1].request.filters[0].description, QStringLiteral("alle Dateien (*.*)"));
    EXPECT_EQ(calls[1].request.filters[1].pattern, QStringLiteral("N*.*"));
    EXPECT_EQ(calls[1].request.filters[2].description, QStringLiteral("TLE-Dateien (*.tle)"));
    EXPECT_EQ(calls[1].request.filters[3].pattern, QStringLiteral("*.CSV"));
    EXPECT_EQ(calls[1].request.filterIndex, 3);
    EXPECT_TRUE(calls[1].request.mustExist);
    EXPECT_GT(ElementFile().satelliteCount, 0);
    EXPECT_EQ(ElementFile().elementFilePath, file.toStdString());
    EXPECT_EQ(Settings().elementFileName, file.toStdString());
    EXPECT_FALSE(Satellites().loadRequested);
    EXPECT_EQ(enabled, 1);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(Satellites().selectedCount, 0);
}
