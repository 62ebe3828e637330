// The menu bar the main window and the zoom window share: "Datei", "Zeit", "Ort",
// "Ansicht", "Satelliten" and "Info" with the same entries. Each window adds its own
// entries ("Abbrechen" in the main window, "Gehe zu" in the zoom window) and connects
// the actions itself.
#pragma once

class QAction;
class QMenu;
class QMenuBar;

struct ChartMenuBar {
    QMenu* fileMenu = nullptr;
    QMenu* timeMenu = nullptr;
    QMenu* placeMenu = nullptr;
    QMenu* viewMenu = nullptr;
    QMenu* satelliteMenu = nullptr;
    QMenu* infoMenu = nullptr;

    // "Datei"
    QAction* printAction = nullptr;  // "Drucken"
    QAction* exitAction = nullptr;   // "Beenden"
    // "Zeit"
    QAction* hourForwardAction = nullptr;  // "+1 Stunde"
    QAction* hourBackAction = nullptr;     // "-1 Stunde"
    QAction* nextDayAction = nullptr;      // "nächster Tag"
    QAction* previousDayAction = nullptr;  // "voriger Tag"
    QAction* newDateAction = nullptr;      // "neues Datum"
    QAction* newTimeAction = nullptr;      // "neue Uhrzeit"
    QAction* nowAction = nullptr;          // "Jetzt" (checked while the chart runs live)
    // "Ort"
    QAction* germanyMapAction = nullptr;  // "Deutschland"
    QAction* worldMapAction = nullptr;    // "Weltkarte"
    QAction* enterPlaceAction = nullptr;  // "Ort eingeben"
    QAction* placeListAction = nullptr;   // "Liste von Orten"
    // "Ansicht"
    QAction* rotateAction = nullptr;              // "Drehen"
    QAction* zoomInAction = nullptr;              // "Vergrößern"
    QAction* zoomOutAction = nullptr;             // "Verkleinern"
    QAction* starNamesAction = nullptr;           // "Sternnamen"
    QAction* planetNamesAction = nullptr;         // "Planetennamen" (checkable)
    QAction* constellationNamesAction = nullptr;  // "Sternbildnamen" (checkable)
    QAction* satelliteNamesAction = nullptr;      // "Satellitennamen" (checkable)
    QAction* constellationLinesAction = nullptr;  // "Sternbildlinien" (checkable)
    QAction* altitudeLinesAction = nullptr;       // "Höhenlinien" (checkable)
    QAction* zodiacAction = nullptr;              // "Tierkreis" (checkable)
    // "Satelliten"
    QAction* loadElementsAction = nullptr;      // "Datei laden"
    QAction* updateElementsAction = nullptr;    // "Elemente aktualisieren…"
    QMenu* orbitModelMenu = nullptr;            // "Bahnmodell"
    QAction* sgp4ModelAction = nullptr;         // "SGP4/SDP4" (checked when in use)
    QAction* sgpModelAction = nullptr;          // "SGP (klassisch)"
    QAction* selectSatellitesAction = nullptr;  // "Sat-Wahl"
    QAction* computePassesAction = nullptr;     // "Durchgänge berechnen"
    QAction* showPassesAction = nullptr;        // "Durchgang zeigen"
    QAction* tonightPassesAction = nullptr;     // "Heute Nacht sichtbar" (always enabled)
    QAction* transitsAction = nullptr;          // "Transite vor Sonne und Mond…"
    // "Info"
    QAction* authorAction = nullptr;      // "Autor"
    QAction* parametersAction = nullptr;  // "Parameter"

    // Adds the six menus with their entries to `bar`.
    void BuildChartMenus(QMenuBar* bar);
    // The keys a desktop user looks for: Strg+P "Drucken", Strg+O "Datei laden",
    // Strg+Q "Beenden", Strg+J "Jetzt" (the chart's own keys are plain characters and stay
    // free). A key does nothing while its menu is disabled.
    void SetDesktopShortcuts(QMenuBar* bar);
    // Check marks of the five display toggles from ViewOptions(), of "Satellitennamen"
    // (satellite_names.h; also set whenever "Ansicht" opens, since it may follow the
    // selection) and of the orbit model.
    void SetDisplayCheckMarks();
    // Enables or disables the menus "Datei", "Zeit", "Ort", "Ansicht" and "Satelliten"
    // (while turning the chart or choosing a zoom region).
    void SetChartMenusEnabled(bool enabled);
};
