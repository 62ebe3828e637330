// The ground-track window: the map pixel formulas, tracks in inverted exclusive-or
// (stepping back erases them, a jump across ±180° is not drawn), the day side drawn
// twice restoring the map, the distance label, the information labels, the inputs and
// the animation with its right-button abort.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <cmath>
#include <filesystem>
#include <memory>
#include <sstream>

#include "chart/canvas.h"
#include "chart/chart_view.h"
#include "chart/ground_track_map.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "core/timescale.h"
#include "prediction/ground_track.h"
#include "prediction/selection_model.h"
#include "prediction/selection_state.h"
#include "satellite/column_number.h"
#include "satellite/propagation.h"
#include "satellite/satellite_table.h"
#include "satellite/sgp.h"
#include "support/observer_place.h"
#include "support/observer_records.h"
#include "support/test_paths.h"
#include "support/ui/satellite_fixture.h"
#include "support/ui/scripted_dialogs.h"
#include "ui/satellites/ground_track_window.h"

namespace {

namespace fs = std::filesystem;

const char* const kIss[3] = {
    "ISS (ZARYA)", "1 25544U 98067A   26117.36127981  .00010360  00000+0  19594-3 0  9994",
    "2 25544  51.6320 191.6695 0007016 356.2195   3.8740 15.48988133563872"};
const char* const kPolar[3] = {
    "SL-3 R/B", "1 10114U 77057B   26112.21103866  .00009978  00000+0  20171-3 0  9998",
    "2 10114  97.5824 286.1014 0008311 122.4680 237.7374 15.46650536675059"};
const char* const kGeo[3] = {
    "GEO", "1 25924U 99053A   26087.93278052 -.00000139  00000+0  00000+0 0  9999",
    "2 25924   0.0303 107.7439 0002875 269.7884 303.5980  1.00270829 97033"};

void LoadAndSelect(const std::vector<const char* const*>& sets) {
    std::string text;
    for (const char* const* s : sets) text += std::string(s[0]) + "\n" + s[1] + "\n" + s[2] + "\n";
    testsupport::LoadAndSelectAll(text);
}

TEST(GroundTrackGeometry, MapPixelsOfSatellitesAndTheObserver) {
    struct Case {
        double lon, lat;
        MapPixel satellite, observer;
    };
    const Case cases[] = {
        {0, 0, {310, 151}, {310, 150}},     {90, 45, {465, 76}, {465, 75}},
        {-90, -45, {155, 226}, {155, 225}}, {179.9, 89.9, {620, 2}, {620, 0}},
        {-180, -90, {0, 300}, {0, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lon << " " << c.lat);
        EXPECT_EQ(SatelliteMapPixel(c.lon, c.lat), c.satellite);
        EXPECT_EQ(ObserverMapPixel(c.lon, c.lat), c.observer);
    }
    // East longitudes beyond 180 are the western ones.
    EXPECT_EQ(ObserverMapPixel(350, 10), ObserverMapPixel(-10, 10));
    EXPECT_EQ(ObserverMapPixel(350, 10), (MapPixel{293, 133}));
}

TEST(GroundTrackGeometry, SegmentsOf311ColumnsOrMoreAreNotDrawn) {
    const std::pair<int, bool> cases[] = {
        {0, true}, {1, true}, {310, true}, {311, false}, {620, false}};
    for (const auto& [dx, drawn] : cases) {
        EXPECT_EQ(TrackSegmentDrawn({5, 100}, {5 + dx, 100}), drawn) << dx;
        EXPECT_EQ(TrackSegmentDrawn({5 + dx, 100}, {5, 100}), drawn) << dx;
    }
}

TEST(GroundTrackGeometry, SubSatellitePointOfAGeostationarySatelliteStays) {
    const SatelliteOrbit geo = PrepareOrbit(kGeo[1], kGeo[2], OrbitModel::Sgp4);
    const SgpElements& e = geo.elements;
    GroundPoint a, b;
    const double lon = 13.4;
    ASSERT_TRUE(SubSatellitePoint(geo, e.epoch, LocalSiderealTime(lon, e.epoch), lon, a));
    ASSERT_TRUE(
        SubSatellitePoint(geo, e.epoch + 0.5, LocalSiderealTime(lon, e.epoch + 0.5), lon, b));
    EXPECT_NEAR(a.longitudeDeg, b.longitudeDeg, 0.1);
    EXPECT_NEAR(a.latitudeDeg, 0.0, 0.1);
    // The observer's longitude does not move the point.
    GroundPoint c;
    ASSERT_TRUE(SubSatellitePoint(geo, e.epoch, LocalSiderealTime(200.0, e.epoch), 200.0, c));
    EXPECT_NEAR(c.longitudeDeg, a.longitudeDeg, 1e-9);
    // Unreadable columns: no point, the previous one kept.
    GroundPoint kept = a;
    EXPECT_FALSE(SubSatellitePoint(PrepareOrbit(kGeo[1], "2 25924   x.0303", OrbitModel::Sgp4),
                                   e.epoch, 0.0, lon, kept));
    EXPECT_EQ(kept.longitudeDeg, a.longitudeDeg);
}

TEST(GroundTrackGeometry, PolarDayRowsAreLitOverTheWholeWidthPolarNightRowsNot) {
    Canvas canvas(622, 301, Qt::black);
    DrawDaySide(canvas, JulianDay1900(2026, 6, 21) + 0.5, 0.0);
    int litNorth = 0, litSouth = 0, litEquator = 0;
    for (int x = 1; x < 621; ++x) {
        litNorth += canvas.PixelRgb(x, 1) == 0xffff00;
        litSouth += canvas.PixelRgb(x, 300) == 0xffff00;
        litEquator += canvas.PixelRgb(x, 151) == 0xffff00;
    }
    EXPECT_EQ(litNorth, 620);
    EXPECT_EQ(litSouth, 0);
    EXPECT_GT(litEquator, 290);
    EXPECT_LT(litEquator, 330);
    // At noon UT the Sun stands over Greenwich: the middle column is lit.
    EXPECT_EQ(canvas.PixelRgb(311, 151), 0xffff00);
    EXPECT_EQ(canvas.PixelRgb(2, 151), 0x000000);
}

class GroundTrackWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        testsupport::ResetSatelliteWindowRecords();
        testsupport::PlaceObserverInBerlin(0, 1.0);
        Place().zoneName = " MEZ";
        fs::copy_file(testsupport::DataPath("welt.bmp"), dir.path() / "welt.bmp");
        cwd = std::make_unique<testsupport::ScopedWorkingDir>(dir.path());
        epoch = PrepareOrbit(kIss[1], kIss[2], OrbitModel::Sgp4).elements.epoch;
    }
    void TearDown() override {
        cwd.reset();
        ResetSatelliteTable();
        ResetSelectionState();
        ResetObserverRecords();
        ResetChartView();
    }
    std::unique_ptr<GroundTrackWindow> Open(JD1900 t) {
        auto form = std::make_unique<GroundTrackWindow>();
        Shown().currentJD = t;
        form->ClearInformationLabels();
        form->ShowAll();
        return form;
    }
    testsupport::ScopedScriptedDialogs dialogs;
    testsupport::TempDir dir;
    std::unique_ptr<testsupport::ScopedWorkingDir> cwd;
    JD1900 epoch = 0;
};

TEST_F(GroundTrackWindowTest, ShowDrawsTheMapCrossAndDots) {
    LoadAndSelect({kIss, kPolar});
    auto form = Open(epoch);
    EXPECT_EQ(form->from(), epoch);
    EXPECT_EQ(form->to(), epoch);
    const QImage& map = form->mapImage();
    EXPECT_EQ(map.width(), 622);
    const MapPixel cross = ObserverMapPixel(13.4, 52.5);
    // White, or blue where the yellow day side lies over it.
    EXPECT_THAT(form->mapImage().pixel(cross.x + 5, cross.y) & 0xffffff,
                testing::AnyOf(0xffffffu, 0x0000ffu));
    for (int k = 0; k < 2; ++k) {
        const MapPixel p = form->lastPixel(k);
        EXPECT_EQ(map.pixel(p.x, p.y) & 0xffffff, 0xffffffu);
    }
    EXPECT_EQ(form->list()->count(), 2);
    EXPECT_THAT(form->fromLabel()->text().toStdString(), testing::StartsWith("von "));
    EXPECT_THAT(form->toLabel()->text().toStdString(), testing::EndsWith(" MEZ"));
    EXPECT_EQ(form->stepLabel()->text(), "Schrittweite 6 s");
    EXPECT_EQ(form->chosen(), -1);
}

TEST_F(GroundTrackWindowTest, StepBackAfterStepForwardRestoresThePixels) {
    LoadAndSelect({kIss, kPolar, kGeo});
    auto form = Open(epoch);
    const QImage before = form->mapImage().copy();
    std::vector<QImage> forward;
    for (int i = 0; i < 4; ++i) {
        form->StepForward();
        forward.push_back(form->mapImage().copy());
    }
    EXPECT_NE(forward.back(), before);
    EXPECT_NEAR(form->to() - epoch, 24.0 / 86400.0, 1e-9);
    for (int i = 3; i >= 0; --i) {
        EXPECT_EQ(form->mapImage(), forward[static_cast<size_t>(i)]) << i;
        form->StepBack();
    }
    EXPECT_EQ(form->mapImage(), before);
    EXPECT_EQ(form->from(), epoch);
}

TEST_F(GroundTrackWindowTest, ATrackCrossing180DegreesIsNotDrawnAcrossTheMap) {
    LoadAndSelect({kIss});
    // Find a minute in which the ISS crosses the date line.
    JD1900 t = epoch;
    GroundPoint a, b;
    for (int i = 0; i < 200; ++i, t += 60.0 / 86400.0) {
        ASSERT_TRUE(SubSatellitePoint(PrepareOrbit(kIss[1], kIss[2], OrbitModel::Sgp4), t, LocalSiderealTime(13.4, t), 13.4, a));
        const JD1900 u = t + 60.0 / 86400.0;
        ASSERT_TRUE(SubSatellitePoint(PrepareOrbit(kIss[1], kIss[2], OrbitModel::Sgp4), u, LocalSiderealTime(13.4, u), 13.4, b));
        if (std::fabs(a.longitudeDeg - b.longitudeDeg) > 180.0) break;
    }
    ASSERT_GT(std::fabs(a.longitudeDeg - b.longitudeDeg), 180.0);
    auto form = Open(t);
    Shown().currentJD = t;
    dialogs->AnswerInput("60");
    form->EditStep();
    EXPECT_EQ(form->stepSeconds(), 60);
    const QImage before = form->mapImage().copy();
    form->StepForward();
    EXPECT_GE(std::abs(form->lastPixel(0).x - SatelliteMapPixel(a.longitudeDeg, a.latitudeDeg).x),
              311);
    EXPECT_EQ(form->mapImage(), before);  // nothing drawn, not even the new dot
    form->StepForward();
    EXPECT_NE(form->mapImage(), before);  // the next minute is drawn again
}

TEST_F(GroundTrackWindowTest, DaySideTwiceRestoresTheMapExactly) {
    LoadAndSelect({kIss});
    auto form = Open(epoch);
    EXPECT_TRUE(form->daySideShown());
    const QImage shown = form->mapImage().copy();
    form->ToggleDaySide();
    EXPECT_FALSE(form->daySideShown());
    EXPECT_NE(form->mapImage(), shown);
    form->StepForward();  // bis moves on: the highlight is redrawn for the new instant
    form->StepBack();
    form->ToggleDaySide();
    EXPECT_EQ(form->mapImage(), shown);
    // Off, then on: the map without highlight gets one and loses it again.
    form->ToggleDaySide();
    const QImage off = form->mapImage().copy();
    form->ToggleDaySide();
    form->ToggleDaySide();
    EXPECT_EQ(form->mapImage(), off);
}

TEST_F(GroundTrackWindowTest, DistanceLabelOnlyWithExactlyTwoSatellites) {
    LoadAndSelect({kIss, kPolar});
    auto form = Open(epoch);
    GroundPoint a, b;
    const double theta = LocalSiderealTime(13.4, epoch);
    ASSERT_TRUE(SubSatellitePoint(PrepareOrbit(kIss[1], kIss[2], OrbitModel::Sgp4), epoch, theta, 13.4, a));
    ASSERT_TRUE(SubSatellitePoint(PrepareOrbit(kPolar[1], kPolar[2], OrbitModel::Sgp4), epoch, theta, 13.4, b));
    const double km = std::sqrt(std::pow(a.positionER[0] - b.positionER[0], 2) +
                                std::pow(a.positionER[1] - b.positionER[1], 2) +
                                std::pow(a.positionER[2] - b.positionER[2], 2)) *
                      6378.135;
    const std::string label = form->distanceLabel()->text().toStdString();
    ASSERT_THAT(label, testing::StartsWith("Abst. "));
    ASSERT_THAT(label, testing::EndsWith(" km"));
    EXPECT_NEAR(std::stod(label.substr(6)), km, 0.51);
    EXPECT_GE(label.size(), 14u);

    for (const auto& sets : {std::vector<const char* const*>{kIss, kPolar, kGeo}, {kIss}}) {
        LoadAndSelect(sets);
        form->distanceLabel()->setText("vorher");
        form->ShowAll();
        form->StepForward();
        EXPECT_EQ(form->distanceLabel()->text(), "vorher") << sets.size();
    }
}

TEST_F(GroundTrackWindowTest, ClickOnADotShowsItsInformation) {
    LoadAndSelect({kIss, kGeo});
    auto form = Open(epoch);
    const MapPixel p = form->lastPixel(1);
    form->ClickMap(p.x + 4, p.y - 4);
    EXPECT_EQ(form->chosen(), 1);
    EXPECT_EQ(form->nameLabel()->text().trimmed(), "GEO");
    const std::string height = form->heightLabel()->text().toStdString();
    ASSERT_THAT(height, testing::StartsWith("Flughöhe "));
    EXPECT_NEAR(std::stod(height.substr(std::string("Flughöhe ").size())), 35786, 100);
    const std::string longitude = form->longitudeLabel()->text().toStdString();
    ASSERT_THAT(longitude, testing::StartsWith("Länge "));
    GroundPoint g;
    ASSERT_TRUE(
        SubSatellitePoint(PrepareOrbit(kGeo[1], kGeo[2], OrbitModel::Sgp4), epoch, LocalSiderealTime(13.4, epoch), 13.4, g));
    EXPECT_NEAR(std::stod(longitude.substr(std::string("Länge ").size())), g.longitudeDeg, 0.006);
    EXPECT_THAT(form->latitudeLabel()->text().toStdString(), testing::EndsWith(" Grad"));
    // The shadow label is blank while the Sun is up below the satellite.
    const QString shadow = form->shadowLabel()->text();
    EXPECT_TRUE(shadow == QString(18, ' ') || shadow.startsWith("Schatten "))
        << shadow.toStdString();

    form->ClickMap(p.x + 30, p.y + 30);
    EXPECT_EQ(form->chosen(), -1);
    EXPECT_TRUE(form->heightLabel()->text().isEmpty());
    form->ChooseFromList(0);
    EXPECT_EQ(form->chosen(), 0);
    EXPECT_EQ(form->nameLabel()->text().trimmed(), "ISS (ZARYA)");
}

TEST_F(GroundTrackWindowTest, InformationTextsLeaveWindowAndButtonsInPlace) {
    LoadAndSelect({kIss, kGeo});
    auto form = Open(epoch);
    form->show();
    QApplication::processEvents();
    const QSize size = form->size();
    const QRect plus = form->findChild<QWidget*>("plusButton")->geometry();
    form->ChooseFromList(0);
    form->Animate(0.1);
    QApplication::processEvents();
    ASSERT_FALSE(form->heightLabel()->text().isEmpty());
    EXPECT_EQ(form->size(), size);
    EXPECT_EQ(form->findChild<QWidget*>("plusButton")->geometry(), plus);
}

TEST(GroundTrackInformation, HeightAndShadowOfASatelliteInTheShadow) {
    // ISS at a moment in the Earth's shadow has a negative shadow height.
    const SatelliteOrbit iss = PrepareOrbit(kIss[1], kIss[2], OrbitModel::Sgp4);
    bool sawShadow = false, sawSun = false;
    for (int i = 0; i < 100; ++i) {
        const JD1900 t = iss.elements.epoch + i * 0.001;
        TrackInformation info;
        ASSERT_TRUE(ComputeTrackInformation(iss, t, LocalSiderealTime(0, t), 0, info));
        EXPECT_GT(info.heightKm, 380);
        EXPECT_LT(info.heightKm, 450);
        // Inside the shadow: on the night side and closer to the shadow axis than R.
        if (info.sunBelowHorizon && info.shadowHeightKm < 0) {
            sawShadow = true;
            const std::string label = ShadowLabelText(info);
            EXPECT_THAT(label, testing::StartsWith("Schatten "));
            EXPECT_THAT(label, testing::EndsWith(" km"));
            EXPECT_EQ(label.size(), std::string("Schatten ").size() + 6 + 3);
            EXPECT_NE(label.find('-'), std::string::npos);
        }
        if (!info.sunBelowHorizon) {
            sawSun = true;
            EXPECT_EQ(ShadowLabelText(info), std::string(18, ' '));
        }
    }
    EXPECT_TRUE(sawShadow);
    EXPECT_TRUE(sawSun);
}

TEST_F(GroundTrackWindowTest, StepAndStartInputs) {
    LoadAndSelect({kIss});
    auto form = Open(epoch);
    struct Case {
        const char* answer;
        int step;
    };
    for (const Case c : {Case{"30", 30}, Case{"abc", 30}, Case{"2.5", 30}, Case{" 12 ", 12}}) {
        dialogs->AnswerInput(c.answer);
        form->EditStep();
        EXPECT_EQ(form->stepSeconds(), c.step) << c.answer;
        EXPECT_EQ(form->stepLabel()->text(), QString("Schrittweite %1 s").arg(c.step));
    }
    const auto inputs = dialogs->CallsOf(testsupport::DialogKind::Input);
    EXPECT_EQ(inputs[0].caption, "Schrittweite in Sekunden");
    EXPECT_EQ(inputs[0].text, "Bitte Schrittweite eingeben");

    dialogs->AnswerInput("zwei");
    const JD1900 to = form->to();
    form->StartAnimation();
    EXPECT_EQ(form->to(), to);
    EXPECT_EQ(dialogs->CallsOf(testsupport::DialogKind::Input).back().caption, "Dauer in Minuten");
}

TEST_F(GroundTrackWindowTest, FromLabelSetsBothInstants) {
    LoadAndSelect({kIss});
    auto form = Open(epoch);
    dialogs->AnswerInput("1.5.2026");
    dialogs->AnswerInput("22:30");
    form->EditFrom();
    const JD1900 expected = JulianDay1900(2026, 5, 1) + (22.5 - 1.0) / 24.0;
    EXPECT_NEAR(form->from(), expected, 1e-9);
    EXPECT_NEAR(form->to(), expected, 1e-9);
    EXPECT_EQ(DateText, "01.05.2026");
    EXPECT_EQ(TimeText, "22:30:00");
    EXPECT_EQ(Shown().year, 2026);

    dialogs->AnswerInput("31.2.2026");
    dialogs->AnswerInput("10:00");
    form->EditFrom();
    EXPECT_THAT(dialogs->Messages(),
                testing::ElementsAre("Polaride|'31.2.2026' ist kein gültiges Datum"));
    EXPECT_NEAR(form->from(), expected, 1e-9);
}

TEST_F(GroundTrackWindowTest, AnimationRunsForItsDurationAndStopsOnTheRightButton) {
    LoadAndSelect({kIss, kPolar});
    auto form = Open(epoch);
    EXPECT_EQ(form->Animate(1.0), 10);  // 6 s steps for one minute
    EXPECT_NEAR(form->to() - epoch, 60.0 / 86400.0, 1e-9);
    // The hint goes when the animation has run its time.
    EXPECT_TRUE(form->animationLabel()->text().isEmpty());

    const QPointF at(5, 5);
    QCoreApplication::postEvent(
        form->mapView(),
        new QMouseEvent(QEvent::MouseButtonPress, at, form->mapView()->mapToGlobal(at),
                        Qt::RightButton, Qt::RightButton, Qt::NoModifier));
    EXPECT_EQ(form->Animate(1000.0), 1);
    EXPECT_TRUE(form->animationLabel()->text().isEmpty());
}

}  // namespace
