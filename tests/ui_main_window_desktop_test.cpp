// Habits of a desktop program on the chart windows: menu keys, the status line with
// the sky position under the pointer, and the hints of the rise and set labels.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolTip>
#include <filesystem>

#include "chart/chart_view.h"
#include "chart/sky_chart.h"
#include "support/ui/program_windows_test.h"
#include "ui/common/windows.h"
#include "ui/sky/main_chart_widget.h"
#include "ui/sky/main_window.h"
#include "ui/sky/main_window_interaction.h"
#include "ui/sky/zoom_window.h"

namespace {

using testsupport::DialogKind;

// Every entry below a menu bar, submenus included.
std::vector<QAction*> AllEntries(QMenuBar* bar) {
    std::vector<QAction*> entries;
    std::vector<QMenu*> menus;
    for (QAction* top : bar->actions())
        if (top->menu()) menus.push_back(top->menu());
    while (!menus.empty()) {
        QMenu* menu = menus.back();
        menus.pop_back();
        for (QAction* action : menu->actions()) {
            if (action->menu()) menus.push_back(action->menu());
            entries.push_back(action);
        }
    }
    return entries;
}

class DesktopHabitsTest : public testsupport::ProgramWindowsTest {
  protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        for (const char* name : {"STERNKAT", "SLINIEN", "SNAMEN", "NEBEL", "KOMET", "ASTEROID.TXT"})
            std::filesystem::copy_file(testsupport::DataPath(name), dir.path() / name);
        StartWindows(dir.path());
        main = AppWindows().mainWindow;
        chart = qobject_cast<SkyChartWidget*>(main->chartWidget());
        ASSERT_NE(chart, nullptr);
        chart->resize(chart->sizeHint());  // the chart's own geometry, unscaled
    }
    void MovePointer(int x, int y) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), QPointF(x, y), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(chart, &move);
    }

    MainWindow* main = nullptr;
    SkyChartWidget* chart = nullptr;
};

TEST_F(DesktopHabitsTest, MenuKeysOfBothChartWindowsLeaveTheChartKeysAlone) {
    for (ChartMenuBar* menus :
         std::initializer_list<ChartMenuBar*>{main, AppWindows().zoomWindow}) {
        EXPECT_EQ(menus->printAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        EXPECT_EQ(menus->loadElementsAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        EXPECT_EQ(menus->exitAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    }
    // The chart keys ("n", "+", "-", "t", "*", "/") are typed characters: no entry may
    // take a key without Strg.
    for (QMainWindow* window : std::initializer_list<QMainWindow*>{main, AppWindows().zoomWindow})
        for (QAction* action : AllEntries(window->menuBar()))
            for (const QKeySequence& key : action->shortcuts())
                EXPECT_TRUE(key[0].keyboardModifiers() & Qt::ControlModifier)
                    << action->text().toStdString() << " " << key.toString().toStdString();
}

TEST_F(DesktopHabitsTest, MenuKeyRestsWhileTheMenusAreDisabled) {
    int prints = 0;
    QObject::connect(main->printAction, &QAction::triggered, [&prints] { ++prints; });
    const auto pressKey = [this] {
        QShortcutEvent key(main->printAction->shortcut(), 0);
        QApplication::sendEvent(main->printAction, &key);
    };
    StartRotating();  // disables "Datei" until the button is released
    pressKey();
    EXPECT_EQ(prints, 0);
    EXPECT_TRUE(dialogs->CallsOf(DialogKind::Print).empty());

    ChartMouseUp(ChartView().chartCentreX, ChartView().chartCentreY + 10);
    dialogs->CancelNext(DialogKind::Print);
    pressKey();
    EXPECT_EQ(prints, 1);
    EXPECT_EQ(dialogs->CallsOf(DialogKind::Print).size(), 1u);
}

TEST_F(DesktopHabitsTest, StatusLineShowsTheSkyPositionUnderThePointer) {
    const int cx = ChartView().chartCentreX, cy = ChartView().chartCentreY;
    MovePointer(cx, cy);
    EXPECT_TRUE(main->pointerPositionText().contains(QStringLiteral("Höhe 90.0°")))
        << main->pointerPositionText().toStdString();
    EXPECT_TRUE(main->pointerPositionText().contains(QStringLiteral("Rektaszension")));
    MovePointer(cx, cy - ChartView().chartRadius + 1);  // just inside the rim, north
    EXPECT_TRUE(main->pointerPositionText().startsWith(QStringLiteral("Azimut 0.0°")))
        << main->pointerPositionText().toStdString();
    MovePointer(cx + ChartView().chartRadius + 5, cy);  // beside the disc
    EXPECT_TRUE(main->pointerPositionText().isEmpty());
}

TEST_F(DesktopHabitsTest, RiseAndSetLabelsExplainTheirCodes) {
    const char* const hints[kRiseSetLabelCount] = {
        "Astronomische Dämmerung", "Nautische Dämmerung",
        "Bürgerliche Dämmerung",   "Sonnenaufgang",
        "Sonnenuntergang",         "Bürgerliche Dämmerung",
        "Nautische Dämmerung",     "Astronomische Dämmerung",
        "Monduntergang",           "Mondaufgang"};
    DrawSkyChart();
    for (int i = 0; i < kRiseSetLabelCount; ++i) {
        const QPoint at = ChartTexts().riseSet[static_cast<size_t>(i)].rect.center();
        QHelpEvent help(QEvent::ToolTip, at, chart->mapToGlobal(at));
        QApplication::sendEvent(chart, &help);
        EXPECT_EQ(QToolTip::text().toStdString(), hints[i]) << i;
    }
    QToolTip::hideText();
}

}  // namespace
