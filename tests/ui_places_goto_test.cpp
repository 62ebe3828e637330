// The go-to dialogs: field checks, Newcomb precession, the chart point of a target
// and the centring of the zoom window on it.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

#include "catalog/settings_file.h"
#include "chart/canvas.h"
#include "chart/chart_projection.h"
#include "chart/chart_view.h"
#include "chart/plot_tables.h"
#include "chart/sky_chart.h"
#include "chart/zoom_chart.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "support/observer_records.h"
#include "support/test_paths.h"
#include "support/ui/scripted_dialogs.h"
#include "support/winter_evening.h"
#include "ui/places/go_to_equatorial_dialog.h"
#include "ui/places/go_to_horizontal_dialog.h"
#include "ui/places/goto_target.h"
#include "ui/places/goto_validation.h"
#include "ui/sky/main_window_interaction.h"

namespace {

TEST(GoToFields, RightAscensionAndDeclinationChecksInFieldOrder) {
    struct Case {
        const char* h;
        const char* m;
        const char* d;
        const char* dm;
        const char* message;  // empty: accepted
    };
    const Case cases[] = {
        {"23", "59", "0", "0", ""},
        {"24", "0", "0", "0", "Fehler bei Rektaszension(Stunde)"},
        {"-1", "0", "0", "0", "Fehler bei Rektaszension(Stunde)"},
        {"x", "0", "0", "0", "Fehler bei Rektaszension(Stunde)"},
        {"", "0", "0", "0", "Fehler bei Rektaszension(Stunde)"},
        {"5", "60", "0", "0", "Fehler bei Rektaszension(Minute)"},
        {"5", "1,5", "0", "0", "Fehler bei Rektaszension(Minute)"},
        {"5", "1.5", "91", "0", "Fehler bei Deklination(Grad)"},
        {"5", "1", "90", "60", "Fehler bei Deklination(Minute)"},
        {"24", "60", "91", "60", "Fehler bei Rektaszension(Stunde)"},
        {"5", "1", "90", "30", ""},
    };
    for (const Case& c : cases) {
        const RaDecInput in =
            CheckRaDecFields(QString::fromLatin1(c.h), QString::fromLatin1(c.m),
                             QString::fromLatin1(c.d), QString::fromLatin1(c.dm), false);
        EXPECT_EQ(in.ok, QString::fromLatin1(c.message).isEmpty()) << c.h << " " << c.m;
        EXPECT_EQ(in.message, QString::fromUtf8(c.message)) << c.h << " " << c.m;
    }
    const RaDecInput high = CheckRaDecFields("5", "30", "90", "30", false);
    EXPECT_DOUBLE_EQ(high.decDeg, 90.5);
    EXPECT_DOUBLE_EQ(high.raHours, 5.5);
    EXPECT_DOUBLE_EQ(CheckRaDecFields("5", "30", "10", "30", true).decDeg, -10.5);
}

TEST(GoToFields, AzimuthAndAltitudeChecks) {
    struct Case {
        const char* a;
        const char* h;
        const char* message;
    };
    const Case cases[] = {{"0", "0", ""},
                          {"360", "90", ""},
                          {"360.5", "10", "Fehler bei Azimut"},
                          {"-1", "10", "Fehler bei Azimut"},
                          {"abc", "10", "Fehler bei Azimut"},
                          {"90", "90.1", "Fehler bei Höhe"},
                          {"90", "-0.1", "Fehler bei Höhe"},
                          {"90", "", "Fehler bei Höhe"}};
    for (const Case& c : cases) {
        const AltAzInput in = CheckAltAzFields(QString::fromLatin1(c.a), QString::fromLatin1(c.h));
        EXPECT_EQ(in.ok, QString::fromUtf8(c.message).isEmpty()) << c.a << " " << c.h;
        EXPECT_EQ(in.message, QString::fromUtf8(c.message)) << c.a << " " << c.h;
    }
}

TEST(GoToAzimuth, NorthBasedAzimuthBecomesChartAzimuth) {
    const double cases[][2] = {{0, 180}, {90, 270}, {180, 360}, {270, 90}, {360, 180}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(ChartAzimuthFromNorthDeg(c[0]), c[1]) << c[0];
}

TEST(GoToPrecession, Newcomb) {
    // 2000.0 and "of date" at 2000.0 leave the coordinates unchanged.
    const GoToCoords same = ReferTo2000(5.5, 20.0, GoToEquinox::J2000);
    EXPECT_DOUBLE_EQ(same.raHours, 5.5);
    EXPECT_DOUBLE_EQ(same.decDeg, 20.0);
    const GoToCoords t2000 = PrecessNewcombTo2000(5.5, 20.0, 36525.0);
    EXPECT_NEAR(t2000.raHours, 5.5, 1e-12);
    EXPECT_NEAR(t2000.decDeg, 20.0, 1e-10);
    // Fifty years of general precession with the classical annual rates
    // m = 3.075 s, n = 1.336 s (20.04"): on the equator at 6 h the right ascension
    // grows by 50 m = 153.75 s and the declination by 50 n cos(alpha) = 1002" cos(alpha)
    // with alpha taken in the middle of the interval (a few arcseconds at 6 h).
    const GoToCoords a = ReferTo2000(6.0, 0.0, GoToEquinox::B1950);
    EXPECT_NEAR((a.raHours - 6.0) * 3600.0, 153.75, 0.5);
    const double midAlpha = (6.0 + 153.75 / 7200.0) * 15.0 * kDegToRad;
    EXPECT_NEAR(a.decDeg * 3600.0, 1002.0 * std::cos(midAlpha), 1.0);
    const GoToCoords b = ReferTo2000(0.0, 0.0, GoToEquinox::B1950);
    EXPECT_NEAR(b.decDeg * 3600.0, 1002.0, 3.0);
    EXPECT_NEAR(b.raHours * 3600.0, 153.75, 0.5);
}

// --- with the chart --------------------------------------------------------------------

class GoToChart : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetObserverRecords();
        ResetPlotTables();
        ResetChartHooks();
        ResetZoomState();
        ResetZoomView();
        ChartZoomOffsets() = ZoomOffsets{};
        testsupport::SetDefaultObserverOnWinterEvening();
        Shown().timeChanged = true;
        ASSERT_TRUE(DrawSkyChart(canvas));
        dialogs->Clear();
    }
    testsupport::ScopedWorkingDir workingDir{testsupport::DataPath("")};
    testsupport::ScopedScriptedDialogs dialogs;
    Canvas canvas{640, 442, Qt::black};
};

TEST_F(GoToChart, AzimuthZeroPutsTheNorthPointBelowTheCentre) {
    // A star to check that the tables turn with the chart.
    int n = 0;
    for (int i = 1; i <= kStarPlotCount && !n; ++i)
        if (StarPlotTable()[static_cast<size_t>(i - 1)].x > 0.0) n = i;
    ASSERT_GT(n, 0);
    const StarPlotEntry star = StarPlotTable()[static_cast<size_t>(n - 1)];

    GoToHorizontalDialog dialog;
    dialog.azimuthEdit->setText("0");
    dialog.altitudeEdit->setText("45");
    ASSERT_TRUE(dialog.Accept());
    EXPECT_TRUE(dialogs->Messages().isEmpty());
    EXPECT_NEAR(ChartView().rotationRad, kPi, 1e-9) << "north goes to the bottom";
    EXPECT_EQ(ChartView().zoomFactor, 8);
    // The target at the view centre of the zoom window.
    const double r = ChartView().chartRadius * std::tan(45.0 / 2.0 * kDegToRad);
    const QPoint target = ZoomMap(ChartView().chartCentreX, ChartView().chartCentreY + r);
    EXPECT_LE(std::abs(target.x() - ZoomViewCentre().x()), 8);
    EXPECT_LE(std::abs(target.y() - ZoomViewCentre().y()), 8);
    // The star turned by pi about the centre.
    const StarPlotEntry& turned = StarPlotTable()[static_cast<size_t>(n - 1)];
    EXPECT_NEAR(turned.x - ChartView().chartCentreX, -(star.x - ChartView().chartCentreX), 1e-6);
    EXPECT_NEAR(turned.y - ChartView().chartCentreY, -(star.y - ChartView().chartCentreY), 1e-6);
    // The marker: 1 degree across at 45 degrees, eight times magnified.
    const auto rz = [&](double z) {
        return ChartView().chartRadius * std::tan(z * kDegToRad / 2.0);
    };
    EXPECT_EQ(ZoomValues().goToMarkerRadius, IntPart(std::fabs(rz(45.5) - rz(44.5)) * 4.0 + 0.5));
}

TEST_F(GoToChart, EastIsChartAzimuthMinusNinety) {
    ASSERT_TRUE(GoToAltAz(90.0, 30.0));
    // East was on the left (angle -pi/2); turned to the bottom: rotation pi/2.
    EXPECT_NEAR(ChartView().rotationRad, kPi / 2.0, 1e-9);
}

TEST_F(GoToChart, ValidationMessagesKeepTheDialogOpen) {
    GoToEquatorialDialog dialog;
    dialog.show();
    dialog.raHoursEdit->setText("24");
    dialog.raMinutesEdit->setText("0");
    dialog.decDegreesEdit->setText("0");
    dialog.decMinutesEdit->setText("0");
    EXPECT_FALSE(dialog.Accept());
    EXPECT_EQ(dialogs->Messages(),
              QStringList{QStringLiteral("Ungültige Eingabe|Fehler bei Rektaszension(Stunde)")});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(ChartView().zoomMayClose) << "showing clears zoomMayClose";
    GoToHorizontalDialog dialog1;
    dialog1.azimuthEdit->setText("10");
    dialog1.altitudeEdit->setText("95");
    dialogs->Clear();
    EXPECT_FALSE(dialog1.Accept());
    EXPECT_EQ(dialogs->Messages(),
              QStringList{QStringLiteral("Ungültige Eingabe|Fehler bei Höhe")});
}

TEST_F(GoToChart, ATargetBelowTheHorizonChangesNothing) {
    ChartView().zoomFactor = 1;
    const double rotation = ChartView().rotationRad;
    const double starX = StarPlotTable()[0].x;
    GoToEquatorialDialog dialog;
    dialog.show();
    dialog.raHoursEdit->setText("6");
    dialog.raMinutesEdit->setText("0");
    dialog.decDegreesEdit->setText("80");
    dialog.decMinutesEdit->setText("0");
    dialog.southButton->setChecked(true);  // never rises at Berlin
    EXPECT_FALSE(dialog.Accept());
    EXPECT_EQ(dialogs->Messages(),
              QStringList{QStringLiteral("Höhe kleiner Null|Ort nicht sichtbar")});
    EXPECT_EQ(ChartView().rotationRad, rotation);
    EXPECT_EQ(ChartView().zoomFactor, 1);
    EXPECT_EQ(StarPlotTable()[0].x, starX);
    EXPECT_EQ(ZoomValues().goToMarkerPending, 0);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(GoToChart, AVisibleStarIsCentred) {
    // Polaris (2000.0: 2 h 31.8 min, +89 deg 15.9') is always up at Berlin.
    GoToEquatorialDialog dialog;
    dialog.raHoursEdit->setText("2");
    dialog.raMinutesEdit->setText("31.8");
    dialog.decDegreesEdit->setText("89");
    dialog.decMinutesEdit->setText("15.9");
    ASSERT_TRUE(dialog.Accept());
    EXPECT_EQ(ChartView().zoomFactor, 8);
    EXPECT_EQ(ZoomValues().goToMarkerPending, 1);
    // The altitude of the pole star is about the latitude; it now lies below the centre.
    const GoToHorizontal hz = HorizontalOfTarget(2.53, 89.265);
    EXPECT_NEAR(hz.altitudeDeg, Place().latitudeDeg, 1.0);
}

}  // namespace
