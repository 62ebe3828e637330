// The chart inside the main window: the widget shows the canvas, the menu entries
// reach the chart operations, pointer and key events arrive.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <cmath>
#include <filesystem>

#include "chart/chart_identify.h"
#include "chart_fixture.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "satellite/loaded_elements.h"
#include "ui/sky/main_chart_widget.h"
#include "ui/sky/main_window.h"

using namespace charttest;

namespace {

// A working folder with copies of the data files (the window writes its settings
// file there when it closes).
class WindowFolder {
  public:
    WindowFolder() {
        for (const char* name : {"STERNKAT", "SLINIEN", "SNAMEN", "NEBEL", "KOMET", "ASTEROID.TXT",
                                 "SATMAG", "polaride.cfg", "iridiums.tle", "stations-2026-04.tle"})
            std::filesystem::copy_file(testsupport::DataPath(name), dir_ / name);
    }
    const std::filesystem::path& path() const { return dir_.path(); }

  private:
    testsupport::TempDir dir_;
};

}  // namespace

class ChartWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetChartRecords();
        form = std::make_unique<MainWindow>();
        widget = AttachSkyChart(*form);
        ChartHooks().blinkWaitMs = 0;
        form->resize(800, 600);
        form->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        form->hide();
        form.reset();
        SetMainChartCanvas(nullptr);
        ResetChartHooks();
    }

    WindowFolder folder;
    testsupport::ScopedWorkingDir inFolder{folder.path()};
    testsupport::ScopedScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> form;
    SkyChartWidget* widget = nullptr;
};

TEST_F(ChartWindow, ShowingTheWindowDrawsTheChartOnItsCanvas) {
    EXPECT_EQ(MainChartCanvas(), &widget->canvas());
    EXPECT_EQ(form->centralWidget(), widget);
    // The white rim of the sky disc.
    EXPECT_EQ(widget->canvas().PixelRgb(ChartView().chartCentreX,
                                        ChartView().chartCentreY - ChartView().chartRadius),
              0xffffff);
    EXPECT_FALSE(ChartTexts().title.text.isEmpty());
    EXPECT_FALSE(form->zoomOutAction->isEnabled());
    EXPECT_TRUE(dialogs->Messages().isEmpty())
        << dialogs->Messages().join(QLatin1Char('\n')).toStdString();
}

// A maximised window with a chart area of 1600 x 1000: the chart of the design size
// fills it.
class LargeChartWindow : public ChartWindow {
  protected:
    void SetUp() override {
        ChartWindow::SetUp();
        form->resize(1600, 1000 + form->menuBar()->height() + form->statusBar()->height());
        QApplication::processEvents();
        ASSERT_EQ(widget->size(), QSize(1600, 1000));
    }
};

TEST_F(LargeChartWindow, TheChartDiscFillsTheWindow) {
    // The white rim along the row through the disc centre, in image pixels.
    const QImage& image = widget->canvas().Image();
    const QPoint centre =
        widget->canvas().ToDevice(ChartView().chartCentreX, ChartView().chartCentreY);
    int left = image.width(), right = -1;
    for (int x = 0; x < image.width(); ++x)
        if ((image.pixel(x, centre.y()) & 0xffffffu) == 0xffffffu) {
            left = std::min(left, x);
            right = x;
        }
    EXPECT_GE(right - left, 0.8 * 1000) << left << " " << right;
}

TEST_F(LargeChartWindow, AClickOnAScaledStarIdentifiesIt) {
    const StarPlotEntry* bright = nullptr;
    for (const StarPlotEntry& e : StarPlotTable())
        if (e.x * e.y != 0.0 && e.magnitude < 1.5) bright = &e;
    ASSERT_NE(bright, nullptr);
    const QPoint star(IntPart(bright->x), IntPart(bright->y));
    const QString expected = IdentifyAt(star.x(), star.y());
    const QPointF at = widget->ToWidget(star);
    EXPECT_GT(std::hypot(at.x() - star.x(), at.y() - star.y()), 100.0) << "really scaled";
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, at, QPointF(), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &click);
    }
    const auto messages = dialogs->CallsOf(testsupport::DialogKind::Message);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, expected);
}

TEST_F(ChartWindow, TimeMenuStepsTheInstant) {
    // Attaching again changes nothing: every entry still acts once.
    EXPECT_EQ(AttachSkyChart(*form), widget);
    const JD1900 t = Shown().currentJD;
    form->hourForwardAction->trigger();
    EXPECT_DOUBLE_EQ(Shown().currentJD, t + 1.0 / 24.0);
    form->previousDayAction->trigger();
    EXPECT_DOUBLE_EQ(Shown().currentJD, t + 1.0 / 24.0 - 1.0);
}

TEST_F(ChartWindow, AltitudeLinesEntryTogglesCheckMarkAndLayer) {
    const QImage before = widget->canvas().Image().copy();
    const bool initially = ViewOptions().showAltitudeLines;
    form->altitudeLinesAction->trigger();
    EXPECT_EQ(ViewOptions().showAltitudeLines, !initially);
    EXPECT_EQ(form->altitudeLinesAction->isChecked(), !initially);
    EXPECT_NE(widget->canvas().Image(), before);
    form->altitudeLinesAction->trigger();
    EXPECT_EQ(form->altitudeLinesAction->isChecked(), initially);
    EXPECT_EQ(widget->canvas().Image(), before);
}

TEST_F(ChartWindow, DrehenDisablesTheMenusUntilTheButtonIsReleased) {
    // 50 chart pixels above the centre, wherever the scaled chart shows them.
    const QPointF above =
        widget->ToWidget(QPoint(ChartView().chartCentreX, ChartView().chartCentreY - 50));
    QMouseEvent move(QEvent::MouseMove, above, QPointF(), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    form->rotateAction->trigger();
    EXPECT_TRUE(ChartView().rotating);
    EXPECT_FALSE(form->timeMenu->menuAction()->isEnabled());
    EXPECT_FALSE(form->satelliteMenu->menuAction()->isEnabled());
    QMouseEvent press(QEvent::MouseButtonPress, above, QPointF(), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, above, QPointF(), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
    EXPECT_FALSE(ChartView().rotating);
    EXPECT_NEAR(ChartView().rotationRad, kPi, 1e-12);
    EXPECT_TRUE(form->timeMenu->menuAction()->isEnabled());
    EXPECT_TRUE(dialogs->Messages().isEmpty());
}

TEST_F(ChartWindow, KeysReachTheChart) {
    dialogs->AnswerInput(QStringLiteral("60"));
    QKeyEvent t(QEvent::KeyPress, Qt::Key_T, Qt::NoModifier, QStringLiteral("t"));
    QApplication::sendEvent(widget, &t);
    EXPECT_EQ(Shown().timeStepSeconds, 60);
    const JD1900 before = Shown().currentJD;
    QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::NoModifier, QStringLiteral("+"));
    QApplication::sendEvent(widget, &plus);
    EXPECT_NEAR(Shown().currentJD - before, 60.0 / 86400.0, 1e-9);
}

TEST_F(ChartWindow, LoadingElementsEnablesSatWahl) {
    EXPECT_FALSE(form->selectSatellitesAction->isEnabled());
    dialogs->AnswerOpenFile(
        QString::fromStdString((folder.path() / "stations-2026-04.tle").string()), 3);
    form->loadElementsAction->trigger();
    EXPECT_GT(ElementFile().satelliteCount, 0);
    EXPECT_TRUE(form->selectSatellitesAction->isEnabled());
}

// Without "STERNKAT" or "ASTEROID.TXT" the window still comes up. The missing file is
// reported once, after the window has been shown and resized (a modal box inside the
// show or resize handler crashed the program), and not again at every redraw.
TEST(ChartWindowWithoutAFile, MissingFileIsReportedOnceAfterTheWindowIsUp) {
    for (const char* missing : {"STERNKAT", "ASTEROID.TXT"}) {
        SCOPED_TRACE(missing);
        WindowFolder folder;
        std::filesystem::remove(folder.path() / missing);
        testsupport::ScopedWorkingDir inFolder(folder.path());
        testsupport::ScopedScriptedDialogs dialogs;
        ResetChartRecords();
        auto form = std::make_unique<MainWindow>();
        AttachSkyChart(*form);
        ChartHooks().blinkWaitMs = 0;
        dialogs->Clear();

        form->resize(800, 600);
        form->show();
        form->resize(1400, 1000);  // drawn again from the resize handler
        EXPECT_TRUE(dialogs->Messages().isEmpty())
            << "no box from inside the show or resize handler";
        QApplication::processEvents();
        ASSERT_EQ(dialogs->Messages().size(), 1);
        EXPECT_TRUE(dialogs->Messages()[0].contains(QStringLiteral("Datei nicht gefunden")))
            << dialogs->Messages()[0].toStdString();

        form->hourForwardAction->trigger();  // a redraw from the menu
        form->nextDayAction->trigger();
        QApplication::processEvents();
        EXPECT_EQ(dialogs->Messages().size(), 1) << "once per cause";

        form->hide();
        form.reset();
        SetMainChartCanvas(nullptr);
        ResetChartHooks();
    }
}
