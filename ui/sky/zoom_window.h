// The zoom window ZoomWindow: a part of the main chart magnified 2, 4 or 8 times (the
// drawing is chart/zoom_chart.h), with its own menus, time stepping, identification,
// following of a satellite with two status bars and the mouse pointer, "Gehe zu"
// and printing.
#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

#include "ui/sky/chart_menu_bar.h"

class Canvas;
class QLabel;
class ZoomCanvasWidget;

class ZoomWindow : public QMainWindow, public ChartMenuBar {
    Q_OBJECT

  public:
    explicit ZoomWindow(QWidget* parent = nullptr);
    ~ZoomWindow() override;

    // --- for other windows ---------------------------------------------------
    // Shows the zoom window centred on selected satellite k (from 0) at the
    // magnification `factor` (at least 2) and follows it: the chart is turned so
    // that the satellite lies straight below the centre, the status bars show its
    // position line. False (nothing changes) when it is not above the horizon.
    bool ShowSatellite(int k, int factor);
    // Shows the zoom window centred on a point of the main chart (plot position) at
    // the magnification `factor`, without turning the chart.
    void ShowChartPoint(double x, double y, int factor);

    // --- actions (public for tests and for the other windows) -------------------
    void DrawChart(int mode = 0);  // DrawZoomChart on this window's canvas
    void ZoomIn();                 // "Vergrößern": start choosing a frame
    void ZoomOut();                // "Verkleinern"
    void KeyTyped(QChar key);      // "n", "*", "/", "+", "-", "t"
    void ClickAt(int x, int y);    // a left click on the chart canvas
    void MouseMoveAt(int x, int y);
    void StepTime(double days);  // time menu
    void EnterDate();            // "neues Datum"
    void EnterTime();            // "neue Uhrzeit"
    // Centres the view on the tracked satellite ("n", "*", "/" with the new factor);
    // false (nothing drawn) when none is tracked or it is below the horizon.
    bool CentreOnTrackedSatellite(int newFactor);
    // A live tick: drawn for the new instant, centred on the tracked satellite while it
    // is above the horizon; the mouse pointer stays where the user has it.
    void FollowClock();
    // A live tick between whole drawings: the caption with the new time.
    void ShowClockTime();
    void ToggleLowerStatusClick();  // click on the lower status bar

    Canvas& canvas();
    QLabel* headerBar() const { return headerBar_; }  // upper status bar (headings)
    QLabel* valuesBar() const { return valuesBar_; }  // lower status bar (values)

    // Menus: the shared ChartMenuBar ("Beenden" ends the program and writes the
    // settings, as the main window's does; "Drehen" does nothing here) and
    // "Ansicht" / "Gehe zu".
    QMenu* goToMenu = nullptr;
    QAction* goToRaDecAction = nullptr;  // "alpha/delta"
    QAction* goToAltAzAction = nullptr;  // "Höhe/Azimut"

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Leaving the zoom window makes the main chart the active view again.
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildMenus();
    void InstallView();
    void RefreshStatusBars();
    void StepWithTrails(int direction);
    void Redraw();  // UpdateEphemeris, timeChanged, DrawZoomChart(0)
    void Toggle(int which);

    ZoomCanvasWidget* chart_ = nullptr;
    QLabel* headerBar_ = nullptr;
    QLabel* valuesBar_ = nullptr;
    bool followingClock_ = false;
};
