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

class QAction;
class QMenu;

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Menu bar: "Datei", "Zeit", "Ort", "Ansicht", "Satelliten", "Info".
    QMenu* fileMenu = nullptr;
    QMenu* timeMenu = nullptr;
    QMenu* placeMenu = nullptr;
    QMenu* viewMenu = nullptr;
    QMenu* satelliteMenu = nullptr;
    QMenu* infoMenu = nullptr;

    // "Datei"
    QAction* printAction = nullptr;    // "Drucken"
    QAction* exitAction = nullptr;     // "Beenden": writes the settings, then quits
    QAction* abandonAction = nullptr;  // "Abbrechen": quits without writing them
    // "Zeit"
    QAction* hourForwardAction = nullptr;  // "+1 Stunde"
    QAction* hourBackAction = nullptr;     // "-1 Stunde"
    QAction* nextDayAction = nullptr;      // "nächster Tag"
    QAction* previousDayAction = nullptr;  // "voriger Tag"
    QAction* newDateAction = nullptr;      // "neues Datum"
    QAction* newTimeAction = nullptr;      // "neue Uhrzeit"
    // "Ort"
    QAction* germanyMapAction = nullptr;  // "Deutschland"
    QAction* worldMapAction = nullptr;    // "Weltkarte"
    QAction* enterPlaceAction = nullptr;  // "Ort eingeben"
    QAction* placeListAction = nullptr;   // "Liste von Orten"
    // "Ansicht"
    QAction* rotateAction = nullptr;              // "Drehen"
    QAction* zoomInAction = nullptr;              // "Vergrößern"
    QAction* zoomOutAction = nullptr;             // "Verkleinern": always disabled here
    QAction* starNamesAction = nullptr;           // "Sternnamen"
    QAction* planetNamesAction = nullptr;         // "Planetennamen" (checkable)
    QAction* constellationNamesAction = nullptr;  // "Sternbildnamen" (checkable)
    QAction* constellationLinesAction = nullptr;  // "Sternbildlinien" (checkable)
    QAction* altitudeLinesAction = nullptr;       // "Höhenlinien" (checkable)
    QAction* zodiacAction = nullptr;              // "Tierkreis" (checkable)
    // "Satelliten"
    QAction* loadElementsAction = nullptr;      // "Datei laden"
    QAction* selectSatellitesAction = nullptr;  // "Sat-Wahl": disabled until satellites are loaded
    QAction* computePassesAction = nullptr;     // "Durchgänge berechnen": disabled at start
    QAction* showPassesAction = nullptr;        // "Durchgang zeigen": disabled at start
    // "Info"
    QAction* authorAction = nullptr;      // "Autor"
    QAction* parametersAction = nullptr;  // "Parameter"

    // Draws the chart (DrawSkyChart). Until the chart drawing is attached it only
    // repaints the chart widget (black).
    std::function<void()> drawChart;
    // Sets the five display check marks of the zoom window's "Ansicht" menu from
    // ObserverState; called with the main window's own when it is shown.
    std::function<void()> updateZoomCheckMarks;

    // The widget that shows the chart; becomes the central widget (owned).
    void setChartWidget(QWidget* widget);
    QWidget* chartWidget() const;

    void DrawChart();
    // Check marks of the five display toggles from ObserverState.
    void SetDisplayCheckMarks();
    // Enables or disables the menus "Datei", "Zeit", "Ort", "Ansicht" and "Satelliten"
    // (while turning the chart or choosing a zoom region).
    void SetChartMenusEnabled(bool enabled);

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
    void OnChartRepaint();

    bool settingsWritten_ = false;
    bool abandoning_ = false;
};

// The about text: "Polaride 4.1.0e", an empty line and the contact lines, each line
// ended by CR LF.
std::string BuildAboutText();
