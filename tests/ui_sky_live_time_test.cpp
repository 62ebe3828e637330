// Live time: the chart's instant follows a (test) clock at every tick, until the user
// sets a time; "Jetzt" takes it up again.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QTimeZone>
#include <filesystem>
#include <functional>

#include "chart/chart_view.h"
#include "chart/sky_chart.h"
#include "core/civil_time.h"
#include "core/displayed_instant.h"
#include "support/test_paths.h"
#include "support/ui/program_windows_test.h"
#include "ui/common/windows.h"
#include "ui/sky/live_time.h"
#include "ui/sky/main_window.h"
#include "ui/sky/main_window_interaction.h"
#include "ui/sky/zoom_window.h"

namespace {

namespace fs = std::filesystem;

class LiveTimeTest : public testsupport::ProgramWindowsTest {
  protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        for (const char* file :
             {"STERNKAT", "SLINIEN", "SNAMEN", "NEBEL", "STERNNAM", "ASTEROID.TXT", "KOMET"})
            fs::copy_file(testsupport::DataPath(file), dir / file);
        StartWindows(dir.path());
        main = AppWindows().mainWindow;
        live = &main->liveTime();
        live->SetClock([this] { return now; });
        main->show();
        QApplication::processEvents();
    }
    static JD1900 InstantOf(const QDateTime& t) {
        return InstantFromUnixSeconds(t.toSecsSinceEpoch());
    }
    bool Live() const {
        return main->nowAction->isChecked() && ChartTexts().liveMark.text == " (live)";
    }

    QDateTime now{QDate(2026, 4, 27), QTime(21, 0, 0), QTimeZone::utc()};
    MainWindow* main = nullptr;
    LiveTime* live = nullptr;
};

TEST_F(LiveTimeTest, FollowsTheClockUntilATimeIsEnteredAndResumesWithNow) {
    main->nowAction->trigger();
    EXPECT_TRUE(Live());
    EXPECT_TRUE(live->timer().isActive());
    EXPECT_DOUBLE_EQ(Shown().currentJD, InstantOf(now));
    EXPECT_EQ(ChartTexts().liveMark.rect.left(), ChartTexts().timeLine.rect.right() + 1)
        << "the mark ends the time line";

    now = now.addSecs(5);
    live->Tick();
    EXPECT_DOUBLE_EQ(Shown().currentJD, InstantOf(now));
    FormatDateTime1900(InstantOf(now));
    EXPECT_TRUE(ChartTexts().timeLine.text.contains(QString::fromStdString(TimeText)));

    dialogs->AnswerInput("23:30:00");
    main->newTimeAction->trigger();
    EXPECT_FALSE(main->nowAction->isChecked());
    EXPECT_TRUE(ChartTexts().liveMark.text.isEmpty());
    EXPECT_FALSE(live->timer().isActive());
    const JD1900 entered = Shown().currentJD;
    now = now.addSecs(60);
    live->Tick();
    EXPECT_DOUBLE_EQ(Shown().currentJD, entered) << "the entered time stays";

    main->nowAction->trigger();
    EXPECT_TRUE(Live());
    EXPECT_DOUBLE_EQ(Shown().currentJD, InstantOf(now));
}

TEST_F(LiveTimeTest, EveryTimeStepOfTheUserEndsIt) {
    ZoomWindow* zoom = AppWindows().zoomWindow;
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"+1 Stunde", [&] { main->hourForwardAction->trigger(); }},
        {"voriger Tag", [&] { main->previousDayAction->trigger(); }},
        {"+", [] { ChartKey(QLatin1Char('+')); }},
        {"-", [] { ChartKey(QLatin1Char('-')); }},
        {"zoom +1 Stunde", [&] { zoom->hourForwardAction->trigger(); }},
    };
    for (const auto& [name, step] : steps) {
        live->Resume();
        ASSERT_TRUE(zoom->nowAction->isChecked()) << name;
        step();
        EXPECT_FALSE(live->IsLive()) << name;
        EXPECT_FALSE(main->nowAction->isChecked() || zoom->nowAction->isChecked()) << name;
    }
}

TEST_F(LiveTimeTest, WithoutSatellitesTheTimeTicksEverySecondAndTheSkyEveryTenSeconds) {
    now = now.addMSecs(250);
    EXPECT_EQ(live->MillisecondsToNextTick(), 1000 - 250 + 20);
    live->Resume();
    ASSERT_FALSE(Shown().timeChanged) << "drawn whole";
    for (int second = 1; second <= 10; ++second) {
        now = now.addSecs(1);
        live->Tick();
        FormatDateTime1900(InstantOf(now));
        EXPECT_TRUE(ChartTexts().timeLine.text.contains(QString::fromStdString(TimeText)));
        // A whole drawing computes the sky and clears the mark of a new instant.
        EXPECT_EQ(Shown().timeChanged, second < 10) << second;
    }
}

TEST_F(LiveTimeTest, WaitsWhileTheChartIsTurned) {
    live->Resume();
    const JD1900 before = Shown().currentJD;
    ChartView().rotating = true;
    now = now.addSecs(3);
    live->Tick();
    EXPECT_DOUBLE_EQ(Shown().currentJD, before);
    ChartView().rotating = false;
    live->Tick();
    EXPECT_DOUBLE_EQ(Shown().currentJD, InstantOf(now));
}

TEST_F(LiveTimeTest, TheZoomWindowAsTheViewFollowsTheClockInItsCaption) {
    ZoomWindow* zoom = AppWindows().zoomWindow;
    zoom->ShowChartPoint(ChartView().chartCentreX, ChartView().chartCentreY, 2);
    live->Resume();
    now = now.addSecs(1);
    live->Tick();
    FormatDateTime1900(InstantOf(now));
    EXPECT_TRUE(zoom->windowTitle().contains(QString::fromStdString(TimeText)));
    EXPECT_TRUE(zoom->windowTitle().endsWith(" (live)"));
    zoom->StepTime(1.0);
    EXPECT_FALSE(zoom->windowTitle().endsWith(" (live)"));
}

}  // namespace
