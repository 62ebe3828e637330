// The transit windows: the dialog's fields and messages, the list of a search of the two
// stations from a place near Paris (the Moon crossed on 02.04.2026), its sorting and
// its saved text, the picture of the path across the disc and the centre line on the
// world map.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <cmath>
#include <filesystem>

#include "chart/body_plot.h"
#include "chart/chart_view.h"
#include "chart/transit_drawing.h"
#include "chart/world_map_geometry.h"
#include "chart/zoom_chart.h"
#include "core/displayed_instant.h"
#include "prediction/pass_list_file.h"
#include "support/observer_place.h"
#include "support/satellite_selection.h"
#include "support/test_paths.h"
#include "support/ui/program_windows_test.h"
#include "ui/common/windows.h"
#include "ui/places/germany_map_window.h"
#include "ui/places/world_map_window.h"
#include "ui/satellites/transit_dialog.h"
#include "ui/satellites/transit_list_window.h"
#include "ui/satellites/transit_map_view.h"
#include "ui/satellites/transit_table.h"
#include "ui/satellites/transit_view_window.h"
#include "ui/sky/main_window.h"
#include "ui/sky/zoom_window.h"

namespace {

using testsupport::DialogKind;

class TransitWindowsTest : public testsupport::ProgramWindowsTest {
  protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        std::filesystem::copy_file(testsupport::DataPath("welt.bmp"), dir / "welt.bmp");
        StartWindows(dir.path());
        testsupport::PlaceObserver("Ort", 2.3898, 48.9753, 40, 0);
        testsupport::SetObserverLocalTime(2026, 4, 1, 12);
        dialog = AppWindows().transitDialog;
        list = AppWindows().transitListWindow;
    }
    // Both stations over two days.
    void Search() {
        testsupport::LoadTextAndSelectEverySatellite(
            testsupport::ReadTextFile(testsupport::FixturePath("transits/stations.tle")));
        AppWindows().mainWindow->transitsAction->trigger();
        dialog->daysField()->setText("2");
        ASSERT_TRUE(dialog->RunSearch());
        list->WaitForSearch();
        ASSERT_GE(list->table()->rowCount(), 1);
    }
    // The table row of the Moon transit.
    int MoonTransitRow() const {
        for (int row = 0; row < list->table()->rowCount(); ++row) {
            const TransitApproach& a = list->approaches()[ApproachOfTableRow(list->table(), row)];
            if (a.body == TransitBody::Moon && a.isTransit) return row;
        }
        return -1;
    }

    TransitDialog* dialog = nullptr;
    TransitListWindow* list = nullptr;
};

TEST_F(TransitWindowsTest, MenuOpensTheDialogWithItsDefaultsAndTheShownDate) {
    AppWindows().mainWindow->transitsAction->trigger();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->dateField()->text(), "01.04.2026");
    EXPECT_EQ(dialog->daysField()->text(), "14");
    EXPECT_EQ(dialog->separationField()->text(), "1");
    EXPECT_EQ(dialog->radiusField()->text(), "15");
}

TEST_F(TransitWindowsTest, AWrongFieldIsToldInGerman) {
    struct Case {
        QString text;
        QString message;
    };
    const Case cases[] = {
        {"x", "Polaride|'x' ist kein gültiger Integerwert"},
        {"0", "Ungültige Eingabe|Die Anzahl der Tage muss zwischen 1 und 60 liegen."},
    };
    dialog->show();  // the date of the chart
    for (const Case& c : cases) {
        dialogs->Clear();
        dialog->daysField()->setText(c.text);
        EXPECT_FALSE(dialog->RunSearch());
        EXPECT_EQ(dialogs->Messages(), QStringList{c.message});
    }
    dialog->daysField()->setText("14");
    dialog->separationField()->setText("1,5");
    dialogs->Clear();
    EXPECT_FALSE(dialog->RunSearch());
    EXPECT_EQ(dialogs->Messages(), QStringList{"Polaride|'1,5' ist kein gültiger Gleitkommawert"});
}

TEST_F(TransitWindowsTest, NoSatellitesLoadedIsTold) {
    dialog->show();
    EXPECT_FALSE(dialog->RunSearch());
    ASSERT_EQ(dialogs->Messages().size(), 1);
    EXPECT_TRUE(dialogs->Messages()[0].contains("keine Satelliten geladen"));
}

TEST_F(TransitWindowsTest, AbbrechenEndsTheSearchAndTheCaptionSaysSo) {
    testsupport::LoadTextAndSelectEverySatellite(
        testsupport::ReadTextFile(testsupport::FixturePath("transits/stations.tle")));
    dialog->show();
    ASSERT_TRUE(dialog->RunSearch());
    EXPECT_TRUE(list->cancelButton()->isEnabled());
    list->cancelButton()->click();
    list->WaitForSearch();
    EXPECT_FALSE(list->Searching());
    EXPECT_FALSE(list->cancelButton()->isEnabled());
    EXPECT_TRUE(list->windowTitle().endsWith("(abgebrochen)"));
    EXPECT_TRUE(dialogs->Messages().isEmpty());
}

TEST_F(TransitWindowsTest, ListSortsBySeparationAndSavesLatin1Lines) {
    Search();
    ASSERT_GE(MoonTransitRow(), 0);
    QTableWidget* table = list->table();
    table->sortByColumn(kTransitSeparationColumn, Qt::AscendingOrder);
    for (int row = 1; row < table->rowCount(); ++row)
        EXPECT_LE(TransitCellValue(table, row - 1, kTransitSeparationColumn),
                  TransitCellValue(table, row, kTransitSeparationColumn));
    EXPECT_EQ(table->item(MoonTransitRow(), kTransitYesNoColumn)->text(), "ja");
    EXPECT_TRUE(
        table->item(MoonTransitRow(), kTransitCentreLineColumn)->text().startsWith("Zentrallinie"));

    dialogs->AnswerSaveFile("transite.txt");
    list->Save();
    const std::string text = testsupport::ReadTextFile(dir / "transite.txt");
    std::vector<std::string> lines;
    for (const QString& line : list->HeaderLines() + list->Lines())
        lines.push_back(line.toStdString());
    EXPECT_EQ(text, PassListFileText(lines));
    EXPECT_NE(text.find("K\xF6rper"), std::string::npos);  // Latin-1
    EXPECT_EQ(list->Lines().size(), table->rowCount());
}

TEST_F(TransitWindowsTest, DoubleClickShowsThePathAcrossTheDiscBeforeTheApproach) {
    Search();
    const int row = MoonTransitRow();
    ASSERT_GE(row, 0);
    const TransitApproach& a = list->approaches()[ApproachOfTableRow(list->table(), row)];
    ASSERT_TRUE(list->ShowApproach(row));
    EXPECT_NEAR((a.instant - Shown().currentJD) * 86400.0, kTransitLeadSeconds, 0.01);
    // The zoom window at its largest magnification, the Moon in its centre.
    EXPECT_TRUE(AppWindows().zoomWindow->isVisible());
    EXPECT_EQ(ChartView().zoomFactor, 8);
    const QPoint moon = ZoomMap(MoonPlot().chartX, MoonPlot().chartY, 8);
    EXPECT_LE((moon - ZoomViewCentre()).manhattanLength(), 2);
    auto* view = AppWindows().transitListWindow->findChild<TransitViewWindow*>();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    const TransitDiscPicture& picture = view->picture();
    ASSERT_GT(picture.path.size(), 10u);
    // The closest point of the path, on the disc, in the path's colour.
    const TransitPathPoint& closest = picture.path[picture.closest];
    EXPECT_LT(std::hypot(closest.xDeg, closest.yDeg), a.bodyRadiusDeg);
    const QPointF at = TransitDiscPoint(kTransitViewWidth, kTransitViewHeight, a.bodyRadiusDeg,
                                        closest.xDeg, closest.yDeg);
    const QPoint pixel = view->canvas().ToDevice(static_cast<int>(std::lround(at.x())),
                                                 static_cast<int>(std::lround(at.y())));
    EXPECT_EQ(view->canvas().Image().pixelColor(pixel), kTransitPathColour);
}

TEST_F(TransitWindowsTest, CentreLineLiesOnTheWorldMapNearThePlace) {
    Search();
    const int row = MoonTransitRow();
    ASSERT_GE(row, 0);
    const TransitApproach& a = list->approaches()[ApproachOfTableRow(list->table(), row)];
    ASSERT_TRUE(a.centreLine.found);
    EXPECT_EQ(MapForCentreLine(a, {48.9753, 2.3898, 0.04}), TransitMap::World);
    ASSERT_TRUE(list->ShowCentreLine(row));
    WorldMapWindow* map = AppWindows().worldMapWindow;
    EXPECT_TRUE(map->isVisible());
    const location::WorldPixel line = location::WorldPixelOfPlace(
        a.centreLine.nearest.point.longitudeDeg, a.centreLine.nearest.point.latitudeDeg);
    // The place lies on the line here, and its cross over it: the line shows beside it.
    int red = 0;
    for (int dx = -12; dx <= 12; ++dx)
        for (int dy = -12; dy <= 12; ++dy)
            red += map->mapImage().pixelColor(line.x + dx, line.y + dy) == kCentreLineColour;
    EXPECT_GT(red, 0);
    map->hide();
    EXPECT_FALSE(map->overlay);
}

TEST_F(TransitWindowsTest, CentreLineNearBerlinLiesOnTheGermanyMap) {
    testsupport::PlaceObserver("Berlin", 13.40, 52.52, 40, 2);
    testsupport::LoadTextAndSelectEverySatellite(
        testsupport::ReadTextFile(testsupport::FixturePath("transits/stations.tle")));
    dialog->show();
    dialog->dateField()->setText("03.04.2026");
    dialog->daysField()->setText("1");
    ASSERT_TRUE(dialog->RunSearch());
    list->WaitForSearch();
    ASSERT_GE(list->table()->rowCount(), 1);
    const TransitApproach& a = list->approaches()[ApproachOfTableRow(list->table(), 0)];
    ASSERT_TRUE(a.isTransit && a.centreLine.found);
    ASSERT_TRUE(list->ShowCentreLine(0));
    GermanyMapWindow* map = AppWindows().germanyMapWindow;
    EXPECT_TRUE(map->isVisible());
    const location::MapPixel line = map->geometry().ToPixel(a.centreLine.nearest.point.longitudeDeg,
                                                            a.centreLine.nearest.point.latitudeDeg);
    const QPoint at = map->mapCanvas().ToDevice(static_cast<int>(line.x), static_cast<int>(line.y));
    int red = 0;
    for (int dx = -3; dx <= 3; ++dx)
        for (int dy = -3; dy <= 3; ++dy)
            red += map->mapImage().pixelColor(at.x() + dx, at.y() + dy) == kCentreLineColour;
    EXPECT_GT(red, 0);
}

}  // namespace
