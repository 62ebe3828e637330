#include "ui/sky/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QStatusBar>
#include <clocale>
#include <string>

#include "catalog/settings_file.h"
#include "chart/chart_view.h"
#include "chart/sky_chart.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "satellite/loaded_elements.h"
#include "satellite/magnitude_table.h"
#include "satellite/satellite_table.h"
#include "ui/common/chart_cursor.h"
#include "ui/common/clock.h"
#include "ui/common/dialogs.h"
#include "ui/common/settings_load_save.h"
#include "ui/common/windows.h"
#include "ui/places/observer_dialog.h"
#include "ui/sky/live_time.h"
#include "ui/sky/zoom_window.h"

namespace {

// The design size of the main window; the chart geometry is fixed from it.
constexpr int kDesignWidth = 648;
constexpr int kDesignHeight = 488;

void PaintBlack(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace

std::string BuildAboutText() {
    return "Polaride 4.1.0e\r\n"
           "\r\n"
           "Sternkarte und Satelliten-Vorhersage\r\n"
           "Fragen und Hinweise: siehe README.md der Programmquellen\r\n";
}

MainWindow::MainWindow(QWidget* parent, UtcClock clock)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      liveTime_(new LiveTime(clock, this)) {
    setObjectName("MainWindow");
    setWindowTitle("Polaride");
    setFont(QFont("MS Sans Serif", 8));
    resize(kDesignWidth, kDesignHeight);
    BuildMenus();
    BuildStatusLine();
    setChartWidget(new QWidget);
    drawChart = [this] {
        if (QWidget* chart = chartWidget()) chart->update();
    };

    // 1. The chart cursor.
    ChartCursor();
    // 2. Numbers with ".", whatever the computer's regional settings.
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");
    // 3.-4. Settings (lines 1-16; a missing or short file is reported and the lines
    // not read keep the first-run values), sine and cosine of the latitude.
    LoadSettingsAtStartup();
    Place().setLatitude(Place().latitudeDeg);
    // 5. The instant from the computer clock, shown in the configured zone.
    SetInstantFromClock(Shown(), Place(), clock());
    // 6. Chart geometry from the design size.
    ChartView().setChartGeometry(kDesignWidth, kDesignHeight);
    // 7. Fresh view and satellite state.
    ChartView().rotationRad = 0.0;
    ChartView().rotating = false;
    ChartView().choosingZoomFrame = false;
    ChartView().zoomFactor = 1;
    ElementFile().elementFilePath.clear();
    ElementFile().satelliteCount = 0;
    MathErrorFlag = false;
    Shown().timeChanged = true;
    Shown().timeStepSeconds = 6;
    Tracking().trackedSatellite = -1;
    Shown().latestYear = 9999;
    // 8. Satellite entries wait for loaded satellites.
    selectSatellitesAction->setEnabled(false);
    computePassesAction->setEnabled(false);
    showPassesAction->setEnabled(false);
    // 9. Standard magnitudes.
    std::string error;
    if (!LoadMagnitudeTable("SATMAG", &error))
        AppDialogs().Message("Polaride", QString::fromStdString(error), this);
}

MainWindow::~MainWindow() {
    // The satellite table's storage goes with the main window.
    ResetSatelliteTable();
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();

    BuildChartMenus(bar);
    abandonAction = fileMenu->addAction("Abbrechen");
    zoomOutAction->setEnabled(false);
    liveTime_->AddNowAction(nowAction);

    connect(exitAction, &QAction::triggered, this, &MainWindow::Quit);
    connect(abandonAction, &QAction::triggered, this, &MainWindow::Abandon);
    connect(authorAction, &QAction::triggered, this, &MainWindow::ShowAbout);
    connect(parametersAction, &QAction::triggered, this, &MainWindow::ShowParameters);
}

void MainWindow::BuildStatusLine() {
    pointerPosition_ = new QLabel;
    pointerPosition_->setObjectName("pointerPosition");
    pointerPosition_->setTextFormat(Qt::PlainText);  // names from the data files
    statusBar()->addWidget(pointerPosition_, 1);
    statusBar()->setSizeGripEnabled(false);
}

void MainWindow::ShowPointerPosition(const QString& text) { pointerPosition_->setText(text); }

QString MainWindow::pointerPositionText() const { return pointerPosition_->text(); }

// The chart widget fills the whole client area; its black is the window's background
// (the menu bar keeps the normal colours).
void MainWindow::setChartWidget(QWidget* widget) {
    if (QWidget* old = centralWidget()) old->removeEventFilter(this);
    PaintBlack(widget);
    setCentralWidget(widget);
    widget->installEventFilter(this);
}

QWidget* MainWindow::chartWidget() const { return centralWidget(); }

void MainWindow::DrawChart() {
    if (drawChart) drawChart();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous()) return;  // restored from minimised: nothing new to draw
    ChartView().zoomFactor = 1;
    SetDisplayCheckMarks();
    if (updateZoomCheckMarks) updateZoomCheckMarks();
    ChartReportsWait wait;  // the window is still being shown
    DrawChart();
}

void MainWindow::changeEvent(QEvent* event) {
    // Activated, the main chart is the view again -- unless the zoom window is shown: it
    // closes itself when it loses the focus (which makes the main chart the view), and
    // the window manager may hand the focus here for a moment while another window
    // makes way for it (a pass shown from the pass list).
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        const QWidget* zoom = AppWindows().zoomWindow;
        if (!zoom || !zoom->isVisible()) ChartView().zoomFactor = 1;
    }
    QMainWindow::changeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Paint) OnChartRepaint();
    return QMainWindow::eventFilter(watched, event);
}

// The chart widget blits its canvas itself; a repaint only re-checks the
// "Sat-Wahl" entry (satellites may have been loaded meanwhile).
void MainWindow::OnChartRepaint() {
    if (ElementFile().satelliteCount > 0) selectSatellitesAction->setEnabled(true);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!abandoning_ && !settingsWritten_) {
        settingsWritten_ = true;
        SaveSettingsAtExit();  // a failure is shown in a message box; the program still closes
    }
    event->accept();
    // Closing the main window ends the program, whatever other windows are open.
    QCoreApplication::exit(0);
}

void MainWindow::Quit() {
    close();
    QCoreApplication::exit(0);
}

void MainWindow::Abandon() {
    abandoning_ = true;
    QCoreApplication::exit(0);
}

void MainWindow::ShowAbout() {
    AppDialogs().Message("Info", QString::fromStdString(BuildAboutText()), this);
}

void MainWindow::ShowParameters() { ShowInFront(AppWindows().observerDialog); }
