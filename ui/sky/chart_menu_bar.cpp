#include "ui/sky/chart_menu_bar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "core/observer_state.h"

namespace {

QAction* AddCheckable(QMenu* menu, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setCheckable(true);
    return action;
}

}  // namespace

void ChartMenuBar::BuildChartMenus(QMenuBar* bar) {
    fileMenu = bar->addMenu(QStringLiteral("Datei"));
    printAction = fileMenu->addAction(QStringLiteral("Drucken"));
    exitAction = fileMenu->addAction(QStringLiteral("Beenden"));

    timeMenu = bar->addMenu(QStringLiteral("Zeit"));
    hourForwardAction = timeMenu->addAction(QStringLiteral("+1 Stunde"));
    hourBackAction = timeMenu->addAction(QStringLiteral("-1 Stunde"));
    nextDayAction = timeMenu->addAction(QStringLiteral("nächster Tag"));
    previousDayAction = timeMenu->addAction(QStringLiteral("voriger Tag"));
    newDateAction = timeMenu->addAction(QStringLiteral("neues Datum"));
    newTimeAction = timeMenu->addAction(QStringLiteral("neue Uhrzeit"));

    placeMenu = bar->addMenu(QStringLiteral("Ort"));
    germanyMapAction = placeMenu->addAction(QStringLiteral("Deutschland"));
    worldMapAction = placeMenu->addAction(QStringLiteral("Weltkarte"));
    enterPlaceAction = placeMenu->addAction(QStringLiteral("Ort eingeben"));
    placeListAction = placeMenu->addAction(QStringLiteral("Liste von Orten"));

    viewMenu = bar->addMenu(QStringLiteral("Ansicht"));
    rotateAction = viewMenu->addAction(QStringLiteral("Drehen"));
    viewMenu->addSeparator();
    zoomInAction = viewMenu->addAction(QStringLiteral("Vergrößern"));
    zoomOutAction = viewMenu->addAction(QStringLiteral("Verkleinern"));
    viewMenu->addSeparator();
    starNamesAction = viewMenu->addAction(QStringLiteral("Sternnamen"));
    planetNamesAction = AddCheckable(viewMenu, QStringLiteral("Planetennamen"));
    constellationNamesAction = AddCheckable(viewMenu, QStringLiteral("Sternbildnamen"));
    viewMenu->addSeparator();
    constellationLinesAction = AddCheckable(viewMenu, QStringLiteral("Sternbildlinien"));
    altitudeLinesAction = AddCheckable(viewMenu, QStringLiteral("Höhenlinien"));
    zodiacAction = AddCheckable(viewMenu, QStringLiteral("Tierkreis"));

    satelliteMenu = bar->addMenu(QStringLiteral("Satelliten"));
    loadElementsAction = satelliteMenu->addAction(QStringLiteral("Datei laden"));
    updateElementsAction = satelliteMenu->addAction(QStringLiteral("Elemente aktualisieren…"));
    selectSatellitesAction = satelliteMenu->addAction(QStringLiteral("Sat-Wahl"));
    computePassesAction = satelliteMenu->addAction(QStringLiteral("Durchgänge berechnen"));
    showPassesAction = satelliteMenu->addAction(QStringLiteral("Durchgang zeigen"));

    infoMenu = bar->addMenu(QStringLiteral("Info"));
    authorAction = infoMenu->addAction(QStringLiteral("Autor"));
    parametersAction = infoMenu->addAction(QStringLiteral("Parameter"));
}

void ChartMenuBar::SetDisplayCheckMarks() {
    const ObserverState& observer = Observer();
    planetNamesAction->setChecked(observer.showPlanetNames);
    constellationNamesAction->setChecked(observer.showConstellationNames);
    constellationLinesAction->setChecked(observer.showConstellationLines);
    altitudeLinesAction->setChecked(observer.showAltitudeLines);
    zodiacAction->setChecked(observer.showZodiac);
}

void ChartMenuBar::SetChartMenusEnabled(bool enabled) {
    for (QMenu* menu : {fileMenu, timeMenu, placeMenu, viewMenu, satelliteMenu})
        menu->menuAction()->setEnabled(enabled);
}
