// The main window MainWindow: caption "Polaride", black, maximised, with the whole menu
// bar. This file is the frame: creation (settings, clock, chart geometry, magnitude
// table), the window events, "Beenden", "Abbrechen", "Autor" and "Parameter". The
// chart drawing and the chart commands live in their own files and attach here:
//  - setChartWidget() installs the widget that shows the chart canvas;
//  - drawChart is called whenever the frame wants the chart drawn (shown, repaint);
//  - every menu entry is a public QAction to connect to.
#pragma once

#include <QMainWindow>
#include <functional>

#include "ui/common/clock.h"
#include "ui/sky/chart_menu_bar.h"

class LiveTime;
class QLabel;

class MainWindow : public QMainWindow, public ChartMenuBar {
    Q_OBJECT

  public:
    // The chart's instant comes from `clock` at start and while it runs live.
    explicit MainWindow(QWidget* parent = nullptr, UtcClock clock = SystemUtcClock());
    ~MainWindow() override;

    // Live time ("Jetzt"); the program starts it once the windows exist.
    LiveTime& liveTime() { return *liveTime_; }

    // Menu bar: "Datei", "Zeit", "Ort", "Ansicht", "Satelliten", "Info" (ChartMenuBar).
    // "Beenden" writes the settings, then quits; "Verkleinern" is always disabled here;
    // "Sat-Wahl" is disabled until satellites are loaded, "Durchgänge berechnen" and
    // "Durchgang zeigen" at start.
    QAction* abandonAction = nullptr;  // "Datei" / "Abbrechen": quits without the settings

    // Draws the chart (DrawSkyChart). Until the chart drawing is attached it only
    // repaints the chart widget (black).
    std::function<void()> drawChart;
    // Sets the five display check marks of the zoom window's "Ansicht" menu from
    // the observer records (Place(), Shown()); called with the main window's own when it is shown.
    std::function<void()> updateZoomCheckMarks;

    // The widget that shows the chart; becomes the central widget (owned).
    void setChartWidget(QWidget* widget);
    QWidget* chartWidget() const;

    void DrawChart();

    // The status line under the chart: the sky position under the pointer
    // (empty off the chart disc).
    void ShowPointerPosition(const QString& text);
    QString pointerPositionText() const;

    void Quit();            // "Beenden"
    void Abandon();         // "Abbrechen"
    void ShowAbout();       // "Autor"
    void ShowParameters();  // "Parameter"

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildMenus();
    void BuildStatusLine();
    void OnChartRepaint();

    QLabel* pointerPosition_ = nullptr;
    LiveTime* liveTime_ = nullptr;
    bool settingsWritten_ = false;
    bool abandoning_ = false;
};

// The about text: "Polaride 4.1.0e", an empty line and the contact lines, each line
// ended by CR LF.
std::string BuildAboutText();
