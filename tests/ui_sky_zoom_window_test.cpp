// The zoom window among the program's windows: the main chart after the zoom window,
// element files loaded from it, its status bars and the go-to dialogs in front of it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <filesystem>

#include "chart/canvas.h"
#include "chart/chart_view.h"
#include "chart/sky_chart.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "satellite/loaded_elements.h"
#include "support/test_paths.h"
#include "support/ui/program_windows_test.h"
#include "support/ui/readable_widget.h"
#include "ui/common/windows.h"
#include "ui/places/go_to_equatorial_dialog.h"
#include "ui/places/observer_dialog.h"
#include "ui/satellites/satellite_selection_window.h"
#include "ui/sky/main_window.h"
#include "ui/sky/named_star_window.h"
#include "ui/sky/zoom_window.h"

namespace {

namespace fs = std::filesystem;

class ZoomWindowTest : public testsupport::ProgramWindowsTest {
  protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        for (const char* file : {"STERNKAT", "SLINIEN", "SNAMEN", "NEBEL", "STERNNAM",
                                 "ASTEROID.TXT", "KOMET", "iridiums.tle", "stations-2026-04.tle"})
            fs::copy_file(testsupport::DataPath(file), dir / file);
        StartWindows(dir.path());
        main = AppWindows().mainWindow;
        zoom = AppWindows().zoomWindow;
        main->show();
        QApplication::processEvents();
        ASSERT_TRUE(dialogs->Messages().isEmpty()) << dialogs->Messages().join("\n").toStdString();
    }
    // The zoom window at factor 2 about the zenith, as "Vergrößern" opens it.
    void OpenZoom() {
        zoom->ShowChartPoint(ChartView().chartCentreX, ChartView().chartCentreY, 2);
        ASSERT_TRUE(zoom->isVisible());
    }
    static QString TimeLineFor(JD1900 t) {
        FormatDateTime1900(t);
        return QStringLiteral("um ") + QString::fromStdString(TimeText) +
               QString::fromStdString(Place().zoneName);
    }

    MainWindow* main = nullptr;
    ZoomWindow* zoom = nullptr;
};

TEST_F(ZoomWindowTest, LeavingTheZoomWindowDrawsTheMainChartForTheCurrentInstant) {
    OpenZoom();
    zoom->hourForwardAction->trigger();
    const QString expected = TimeLineFor(Shown().currentJD);
    ASSERT_NE(ChartTexts().timeLine.text, expected);
    zoom->ZoomOut();
    EXPECT_FALSE(zoom->isVisible());
    EXPECT_EQ(ChartView().zoomFactor, 1);
    EXPECT_EQ(ChartTexts().timeLine.text, expected);
}

TEST_F(ZoomWindowTest, LoadingElementsFromTheZoomWindowLeavesTheMainChartAlone) {
    OpenZoom();
    const QImage before = MainChartCanvas()->Image().copy();
    dialogs->AnswerOpenFile(QString::fromStdString((dir / "stations-2026-04.tle").string()), 3);
    zoom->loadElementsAction->trigger();
    ASSERT_GT(ElementFile().satelliteCount, 0);
    EXPECT_EQ(ChartView().zoomFactor, 2);
    EXPECT_TRUE(MainChartCanvas()->Image() == before)
        << "the main chart is not drawn with the zoom window's star glyphs";
}

TEST_F(ZoomWindowTest, StatusBarsAreReadable) {
    OpenZoom();
    for (QLabel* bar : {zoom->headerBar(), zoom->valuesBar()}) {
        bar->show();
        const int contrast = testsupport::TextContrast(*bar, [bar](bool shown) {
            bar->setText(shown ? QStringLiteral("ISS (ZARYA)  |    418    612   1520| 183.20")
                               : QString());
        });
        EXPECT_GT(contrast, 100);
    }
}

TEST_F(ZoomWindowTest, GoToDialogOpenedAgainLeavesTheZoomWindowOpenBehindIt) {
    OpenZoom();
    GoToEquatorialDialog* goTo = AppWindows().goToEquatorialDialog;
    zoom->goToRaDecAction->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(goTo->isVisible());
    // The user clicks back into the zoom window, the dialog staying open, and opens
    // the dialog again from the menu.
    zoom->activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(zoom->isActiveWindow());
    ASSERT_TRUE(ChartView().zoomMayClose);
    zoom->goToRaDecAction->trigger();
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
    EXPECT_TRUE(goTo->isActiveWindow());
    EXPECT_TRUE(zoom->isVisible());
}

TEST_F(ZoomWindowTest, WindowsOpenedFromItAgainLeaveTheZoomWindowOpenBehindThem) {
    const Windows& w = AppWindows();
    for (QWidget* window : std::initializer_list<QWidget*>{
             w.namedStarWindow, w.satelliteSelectionWindow, w.observerDialog}) {
        SCOPED_TRACE(window->metaObject()->className());
        OpenZoom();
        ShowInFront(window);
        QApplication::processEvents();
        zoom->activateWindow();
        QApplication::processEvents();
        ASSERT_TRUE(ChartView().zoomMayClose);
        ShowInFront(window);  // already shown: no show event, only the activation
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
        EXPECT_TRUE(zoom->isVisible());
        window->hide();
    }
}

}  // namespace
