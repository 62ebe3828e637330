#include "ui/sky/chart_menu_bar.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <utility>

#include "chart/satellite_names.h"
#include "core/display_options.h"
#include "satellite/orbit_model.h"
#include "satellite/satellite_table.h"

namespace {

QAction* AddCheckable(QMenu* menu, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setCheckable(true);
    return action;
}

// A menu entry's key acts only while its menu can be opened: while the chart is
// turned or a zoom region is chosen, the disabled menus keep their keys to themselves.
class KeyFollowsMenu : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Shortcut) return false;
        const auto* action = qobject_cast<QAction*>(watched);
        if (!action) return false;
        for (QObject* owner : action->associatedObjects())
            if (auto* menu = qobject_cast<QMenu*>(owner); menu && !menu->menuAction()->isEnabled())
                return true;
        return false;
    }
};

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
    timeMenu->addSeparator();
    nowAction = AddCheckable(timeMenu, QStringLiteral("Jetzt"));

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
    satelliteNamesAction = AddCheckable(viewMenu, QStringLiteral("Satellitennamen"));
    QObject::connect(
        viewMenu, &QMenu::aboutToShow, satelliteNamesAction,
        [action = satelliteNamesAction] { action->setChecked(SatelliteNamesShown()); });
    viewMenu->addSeparator();
    constellationLinesAction = AddCheckable(viewMenu, QStringLiteral("Sternbildlinien"));
    altitudeLinesAction = AddCheckable(viewMenu, QStringLiteral("Höhenlinien"));
    zodiacAction = AddCheckable(viewMenu, QStringLiteral("Tierkreis"));

    satelliteMenu = bar->addMenu(QStringLiteral("Satelliten"));
    loadElementsAction = satelliteMenu->addAction(QStringLiteral("Datei laden"));
    updateElementsAction = satelliteMenu->addAction(QStringLiteral("Elemente aktualisieren…"));
    orbitModelMenu = satelliteMenu->addMenu(QStringLiteral("Bahnmodell"));
    sgp4ModelAction = AddCheckable(orbitModelMenu, QString::fromUtf8(OrbitModelName(OrbitModel::Sgp4).data()));
    sgpModelAction = AddCheckable(orbitModelMenu, QString::fromUtf8(OrbitModelName(OrbitModel::Sgp).data()));
    auto* models = new QActionGroup(orbitModelMenu);
    models->addAction(sgp4ModelAction);
    models->addAction(sgpModelAction);
    selectSatellitesAction = satelliteMenu->addAction(QStringLiteral("Sat-Wahl"));
    computePassesAction = satelliteMenu->addAction(QStringLiteral("Durchgänge berechnen"));
    showPassesAction = satelliteMenu->addAction(QStringLiteral("Durchgang zeigen"));
    tonightPassesAction = satelliteMenu->addAction(QStringLiteral("Heute Nacht sichtbar"));
    transitsAction = satelliteMenu->addAction(QStringLiteral("Transite vor Sonne und Mond…"));

    infoMenu = bar->addMenu(QStringLiteral("Info"));
    authorAction = infoMenu->addAction(QStringLiteral("Autor"));
    parametersAction = infoMenu->addAction(QStringLiteral("Parameter"));

    SetDesktopShortcuts(bar);
}

void ChartMenuBar::SetDesktopShortcuts(QMenuBar* bar) {
    auto* guard = new KeyFollowsMenu(bar);
    const std::pair<QAction*, QKeySequence> keys[] = {
        {printAction, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {loadElementsAction, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {exitAction, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {nowAction, QKeySequence(Qt::CTRL | Qt::Key_J)},
    };
    for (const auto& [action, key] : keys) {
        action->setShortcut(key);
        action->installEventFilter(guard);
    }
}

void ChartMenuBar::SetDisplayCheckMarks() {
    planetNamesAction->setChecked(ViewOptions().showPlanetNames);
    constellationNamesAction->setChecked(ViewOptions().showConstellationNames);
    satelliteNamesAction->setChecked(SatelliteNamesShown());
    constellationLinesAction->setChecked(ViewOptions().showConstellationLines);
    altitudeLinesAction->setChecked(ViewOptions().showAltitudeLines);
    zodiacAction->setChecked(ViewOptions().showZodiac);
    const bool classic = Satellites().orbitModel == OrbitModel::Sgp;
    sgpModelAction->setChecked(classic);
    sgp4ModelAction->setChecked(!classic);
}

void ChartMenuBar::SetChartMenusEnabled(bool enabled) {
    for (QMenu* menu : {fileMenu, timeMenu, placeMenu, viewMenu, satelliteMenu})
        menu->menuAction()->setEnabled(enabled);
}
