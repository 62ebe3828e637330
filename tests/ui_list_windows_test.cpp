// The list windows as a user meets them: headings that stay above scrolled rows and
// sort on a press, the highlighted row after sorting, cells and captions that are not
// cut, and smallest windows in which the content still fits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "chart/chart_view.h"
#include "core/observer_state.h"
#include "prediction/orbit_class_table.h"
#include "prediction/pass_lines.h"
#include "prediction/selection_state.h"
#include "satellite/satellite_table.h"
#include "support/test_paths.h"
#include "support/ui/satellite_fixture.h"
#include "support/ui/scripted_dialogs.h"
#include "ui/places/observer_dialog.h"
#include "ui/places/place_list_window.h"
#include "ui/satellites/orbit_class_window.h"
#include "ui/satellites/pass_list_window.h"
#include "ui/sky/named_star_window.h"

namespace {

namespace fs = std::filesystem;

void PressAt(QWidget* widget, QPoint p) {
    QMouseEvent press(QEvent::MouseButtonPress, p, widget->mapToGlobal(p), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

QStringList Column(const QTableWidget* table, int column) {
    QStringList cells;
    for (int r = 0; r < table->rowCount(); ++r) cells << table->item(r, column)->text();
    return cells;
}

class ListWindowsTest : public testing::Test {
  protected:
    void SetUp() override {
        testsupport::ResetSatelliteWindowRecords();
        for (const char* name : {"STERNNAM", "STERNKAT", "SLINIEN", "ORTE"})
            fs::copy_file(testsupport::DataPath(name), dir.path() / name);
        cwd = std::make_unique<testsupport::ScopedWorkingDir>(dir.path());
    }
    void TearDown() override {
        cwd.reset();
        testsupport::ResetSatelliteWindowRecords();
    }
    testsupport::ScopedScriptedDialogs dialogs;
    testsupport::TempDir dir;
    std::unique_ptr<testsupport::ScopedWorkingDir> cwd;
};

const char* const kGeoLine1 =
    "1 25924U 99053A   26087.93278052 -.00000139  00000+0  00000+0 0  9999";
const char* const kGeoLine2 =
    "2 25924   0.0303 107.7439 0002875 269.7884 303.5980  1.00270829 97033";

// A sortable list window and its table.
struct SortableList {
    std::unique_ptr<QWidget> window;
    QTableWidget* table;
};

struct SortableListCase {
    const char* name;
    std::function<SortableList()> open;
    QStringList captions;
    int nameColumn;
};

const SortableListCase kSortableLists[] = {
    {"named stars",
     [] {
         auto w = std::make_unique<NamedStarWindow>();
         QTableWidget* table = w->table();
         return SortableList{std::move(w), table};
     },
     {"Nr", "Name", "mag", "Lj", "Bild"},
     1},
    {"places",
     [] {
         auto w = std::make_unique<PlaceListWindow>();
         QTableWidget* table = w->grid();
         return SortableList{std::move(w), table};
     },
     {QString::fromUtf8(" Länge"), " Breite", QString::fromUtf8("Höhe(m)"), " Name"},
     3},
    {"orbit classes",
     [] {
         std::string sets;
         for (int k = 40; k > 0; --k)
             sets += "GEO " + std::to_string(k) + "\n" + kGeoLine1 + "\n" + kGeoLine2 + "\n";
         testsupport::LoadAndSelectAll(sets);
         auto w = std::make_unique<OrbitClassWindow>();
         w->FillOrbitClass(OrbitClass::Geosync);
         QTableWidget* table = w->grid();
         return SortableList{std::move(w), table};
     },
     {" Name", "Norad", "Cospar", "   i   ", " Knoten", " AktLbd", " Lambda", " Beta", " Drift",
      " Epoche"},
     0},
};

TEST_F(ListWindowsTest, HeadingStaysAboveScrolledRowsAndSortsOnAPress) {
    for (const SortableListCase& c : kSortableLists) {
        SCOPED_TRACE(c.name);
        SortableList list = c.open();
        list.window->setWindowState(Qt::WindowNoState);
        list.window->resize(900, 400);
        list.window->show();
        QTableWidget* table = list.table;
        ASSERT_FALSE(table->horizontalHeader()->isHidden());
        QStringList captions;
        for (int k = 0; k < table->columnCount(); ++k)
            captions << table->horizontalHeaderItem(k)->text();
        EXPECT_EQ(captions, c.captions);

        // A press on the top visible row of the scrolled list selects that row.
        table->verticalScrollBar()->setValue(table->verticalScrollBar()->maximum());
        const int topRow = table->rowAt(3);
        ASSERT_GT(topRow, 0);
        const QStringList before = Column(table, c.nameColumn);
        PressAt(table->viewport(), QPoint(10, 3));
        EXPECT_EQ(Column(table, c.nameColumn), before);
        EXPECT_EQ(table->currentRow(), topRow);

        // A press on the heading sorts by its column, by character codes for the names.
        PressAt(table->horizontalHeader()->viewport(),
                QPoint(table->columnViewportPosition(c.nameColumn) + 5, 5));
        const QStringList names = Column(table, c.nameColumn);
        EXPECT_NE(names, before);
        for (int r = 1; r < names.size(); ++r)
            EXPECT_LE(names[r - 1].toLatin1(), names[r].toLatin1()) << r;
    }
}

TEST_F(ListWindowsTest, NamedStarListHighlightsTheChosenStarAfterSorting) {
    NamedStarWindow form;
    QTableWidget* table = form.table();
    int kapella = -1;
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->item(r, 1)->text().startsWith("Kapella")) kapella = r;
    ASSERT_GE(kapella, 0);
    table->setCurrentCell(kapella, 1);
    ASSERT_EQ(form.selectedStarName().substr(0, 7), "Kapella");
    for (const int column : {2, 1, 0}) {
        form.SortByColumn(column);
        ASSERT_GE(table->currentRow(), 0) << column;
        EXPECT_TRUE(table->item(table->currentRow(), 1)->text().startsWith("Kapella")) << column;
        EXPECT_EQ(form.selectedStarName().substr(0, 7), "Kapella");
    }
}

TEST_F(ListWindowsTest, OrbitClassCellsAreNotCut) {
    testsupport::LoadAndSelectAll(std::string("GEO TEST SATELLITE 12345\n") + kGeoLine1 + "\n" +
                                  kGeoLine2 + "\n" +
        "SL-3 R/B\n"
        "1 10114U 77057B   26112.21103866  .00009978  00000+0  20171-3 0  9998\n"
        "2 10114  97.5824 286.1014 0008311 122.4680 237.7374 15.46650536675059\n");
    OrbitClassWindow window;
    for (const OrbitClass orbitClass :
         {OrbitClass::Geosync, OrbitClass::Sunsync, OrbitClass::Molniya}) {
        window.FillOrbitClass(orbitClass);
        const QAbstractItemView* view = window.grid();
        for (int c = 0; c < window.grid()->columnCount(); ++c)
            EXPECT_GE(window.grid()->columnWidth(c), view->sizeHintForColumn(c))
                << static_cast<int>(orbitClass) << " column " << c;
    }
}

TEST_F(ListWindowsTest, PlaceHeightCaptionAndZoneReminderAreNotCut) {
    PlaceListWindow places;
    const QHeaderView* heading = places.grid()->horizontalHeader();
    ASSERT_EQ(places.grid()->horizontalHeaderItem(2)->text(), QString::fromUtf8("Höhe(m)"));
    EXPECT_GE(heading->sectionSize(2), heading->sectionSizeHint(2));

    ObserverDialog parameters;
    parameters.show();
    QApplication::processEvents();
    EXPECT_EQ(parameters.reminderMemo()->horizontalScrollBar()->maximum(), 0);
}

// A window at its smallest size: what must still fit in it.
struct SmallestWindowCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> open;
    std::function<void(QWidget*)> expectFits;
};

// The view shows `rows` rows of `rowHeight` and `width` pixels across.
void ExpectViewShows(const QAbstractScrollArea* view, int width, int rows, int rowHeight) {
    EXPECT_GE(view->viewport()->width(), width);
    EXPECT_GE(view->viewport()->height(), rows * rowHeight);
}

int ColumnsWidth(const QTableWidget* table) {
    int width = 0;
    for (int c = 0; c < table->columnCount(); ++c) width += table->columnWidth(c);
    return width;
}

const SmallestWindowCase kSmallestWindows[] = {
    {"named stars", [] { return std::make_unique<NamedStarWindow>(); },
     [](QWidget* w) {
         auto* stars = static_cast<NamedStarWindow*>(w);
         // The smallest window leaves the map at least as much room as the table's width.
         EXPECT_GE(stars->minimumWidth() - stars->table()->width(), 360);
         EXPECT_GE(stars->minimumHeight(), 360);
         ExpectViewShows(stars->table(), ColumnsWidth(stars->table()), 10, 16);
     }},
    {"places", [] { return std::make_unique<PlaceListWindow>(); },
     [](QWidget* w) {
         const QTableWidget* grid = static_cast<PlaceListWindow*>(w)->grid();
         ExpectViewShows(grid, ColumnsWidth(grid), 10, grid->rowHeight(0));
     }},
    {"passes",
     [] {
         auto passes = std::make_unique<PassListWindow>();
         passes->appendListLine(std::string(kDisplayHeading));
         return passes;
     },
     [](QWidget* w) {
         const QListWidget* list = static_cast<PassListWindow*>(w)->list();
         const QString line = QString::fromUtf8(kDisplayHeading.data(),
                                                static_cast<qsizetype>(kDisplayHeading.size()));
         ExpectViewShows(list, list->fontMetrics().horizontalAdvance(line), 10, 16);
     }},
    {"orbit classes",
     [] {
         auto orbits = std::make_unique<OrbitClassWindow>();
         orbits->FillOrbitClass(OrbitClass::Geosync);
         return orbits;
     },
     [](QWidget* w) {
         const QTableWidget* grid = static_cast<OrbitClassWindow*>(w)->grid();
         ExpectViewShows(grid, ColumnsWidth(grid), 10, grid->rowHeight(0));
     }},
};

TEST_F(ListWindowsTest, ContentFitsTheSmallestWindow) {
    for (const SmallestWindowCase& c : kSmallestWindows) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<QWidget> window = c.open();
        window->show();
        window->setWindowState(Qt::WindowNoState);
        window->resize(1, 1);
        QApplication::processEvents();
        c.expectFits(window.get());
    }
}

}  // namespace
