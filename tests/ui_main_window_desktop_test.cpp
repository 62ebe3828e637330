// Menu keys of the chart windows, the status line under the chart and the hints of
// the rise and set labels.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <filesystem>

#include "chart/sky_chart.h"
#include "support/ui/program_windows_test.h"
#include "ui/common/windows.h"
#include "ui/sky/main_chart_widget.h"
#include "ui/sky/main_window.h"
#include "ui/sky/main_window_interaction.h"
#include "ui/sky/zoom_window.h"

namespace {

using testsupport::DialogKind;

class DesktopHabitsTest : public testsupport::ProgramWindowsTest {
  protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        for (const char* name : {"STERNKAT", "SLINIEN", "SNAMEN", "NEBEL", "KOMET", "ASTEROID.TXT"})
            std::filesystem::copy_file(testsupport::DataPath(name), dir.path() / name);
        StartWindows(dir.path());
        main = AppWindows().mainWindow;
        chart = qobject_cast<SkyChartWidget*>(main->chartWidget());
        chart->resize(chart->sizeHint());  // the chart's own geometry, unscaled
    }
    QString StatusAt(int x, int y) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), QPointF(x, y), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(chart, &move);
        return main->pointerPositionText();
    }
    QString HintAt(const QPoint& at) {
        QHelpEvent help(QEvent::ToolTip, at, chart->mapToGlobal(at));
        QApplication::sendEvent(chart, &help);
        return QToolTip::text();
    }

    MainWindow* main = nullptr;
    SkyChartWidget* chart = nullptr;
};

TEST_F(DesktopHabitsTest, MenuKeysNeedStrgAndRestWhileTheMenusAreDisabled) {
    // Only these keys, all with Strg: "n", "+", "-", "t", "*" and "/" stay with the chart.
    for (QWidget* window :
         {static_cast<QWidget*>(main), static_cast<QWidget*>(AppWindows().zoomWindow)}) {
        QStringList keys;
        for (QAction* action : window->findChildren<QAction*>())
            if (!action->shortcut().isEmpty())
                keys << action->text() + " " + action->shortcut().toString();
        keys.sort();
        EXPECT_EQ(keys.join(", "),
                  "Beenden Ctrl+Q, Datei laden Ctrl+O, Drucken Ctrl+P, Jetzt Ctrl+J");
    }
    QShortcutEvent key(main->printAction->shortcut(), 0);
    StartRotating();  // "Datei" is disabled until the button is released
    QApplication::sendEvent(main->printAction, &key);
    EXPECT_TRUE(dialogs->CallsOf(DialogKind::Print).empty());
    ChartMouseUp(ChartView().chartCentreX, ChartView().chartCentreY + 10);
    dialogs->CancelNext(DialogKind::Print);
    QApplication::sendEvent(main->printAction, &key);
    EXPECT_EQ(dialogs->CallsOf(DialogKind::Print).size(), 1u);
}

TEST_F(DesktopHabitsTest, StatusLineShowsTheSkyPositionUnderThePointer) {
    const int cx = ChartView().chartCentreX, cy = ChartView().chartCentreY,
              r = ChartView().chartRadius;
    EXPECT_TRUE(StatusAt(cx, cy).contains(QStringLiteral("Höhe 90.0°  Rektaszension")));
    EXPECT_TRUE(StatusAt(cx, cy - r + 1).startsWith(QStringLiteral("Azimut 0.0°")));
    EXPECT_TRUE(StatusAt(cx + r + 5, cy).isEmpty());
}

TEST_F(DesktopHabitsTest, RiseAndSetLabelsExplainTheirCodes) {
    const QStringList hints =
        QStringLiteral(
            "Astronomische Dämmerung|Nautische Dämmerung|Bürgerliche Dämmerung|Sonnenaufgang|"
            "Sonnenuntergang|Bürgerliche Dämmerung|Nautische Dämmerung|Astronomische Dämmerung|"
            "Monduntergang|Mondaufgang")
            .split(QLatin1Char('|'));
    DrawSkyChart();
    for (int i = 0; i < kRiseSetLabelCount; ++i)
        EXPECT_EQ(HintAt(ChartTexts().riseSet[static_cast<size_t>(i)].rect.center()), hints[i]);
    QToolTip::hideText();
}

}  // namespace
