// The list windows as a user meets them: headings that stay above scrolled rows and
// sort on a press, the chosen star's row after sorting, captions not cut, and smallest
// windows in which the content still fits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QListView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <filesystem>

#include "prediction/pass_lines.h"
#include "support/test_paths.h"
#include "support/ui/satellite_fixture.h"
#include "support/ui/scripted_dialogs.h"
#include "ui/places/observer_dialog.h"
#include "ui/places/place_list_window.h"
#include "ui/satellites/pass_list_window.h"
#include "ui/sky/named_star_window.h"

namespace {

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
            std::filesystem::copy_file(testsupport::DataPath(name), dir.path() / name);
    }
    void TearDown() override { testsupport::ResetSatelliteWindowRecords(); }
    testsupport::ScopedScriptedDialogs dialogs;
    testsupport::TempDir dir;
    testsupport::ScopedWorkingDir cwd{dir.path()};
};

TEST_F(ListWindowsTest, HeadingStaysAboveScrolledRowsAndSortsOnAPress) {
    NamedStarWindow stars;
    PlaceListWindow places;
    struct Case {
        QWidget* window;
        QTableWidget* table;
        QStringList captions;
        int nameColumn;
    };
    for (const Case& c :
         {Case{&stars, stars.table(), {"Nr", "Name", "mag", "Lj", "Bild"}, 1},
          Case{&places,
               places.grid(),
               {QString::fromUtf8(" Länge"), " Breite", QString::fromUtf8("Höhe(m)"), " Name"},
               3}}) {
        SCOPED_TRACE(c.captions.join('|').toStdString());
        c.window->setWindowState(Qt::WindowNoState);
        c.window->resize(900, 400);
        c.window->show();
        ASSERT_FALSE(c.table->horizontalHeader()->isHidden());
        for (int k = 0; k < c.captions.size(); ++k)
            EXPECT_EQ(c.table->horizontalHeaderItem(k)->text(), c.captions[k]);
        // A press on the top visible row of the scrolled list selects that row.
        c.table->verticalScrollBar()->setValue(c.table->verticalScrollBar()->maximum());
        const int topRow = c.table->rowAt(3);
        ASSERT_GT(topRow, 0);
        const QStringList before = Column(c.table, c.nameColumn);
        PressAt(c.table->viewport(), QPoint(10, 3));
        EXPECT_EQ(Column(c.table, c.nameColumn), before);
        EXPECT_EQ(c.table->currentRow(), topRow);
        // A press on the heading sorts by its column (names by character codes).
        PressAt(c.table->horizontalHeader()->viewport(),
                QPoint(c.table->columnViewportPosition(c.nameColumn) + 5, 5));
        const QStringList names = Column(c.table, c.nameColumn);
        EXPECT_NE(names, before);
        for (int r = 1; r < names.size(); ++r)
            EXPECT_LE(names[r - 1].toLatin1(), names[r].toLatin1()) << r;
    }
}

TEST_F(ListWindowsTest, NamedStarListHighlightsTheChosenStarAfterSorting) {
    NamedStarWindow form;
    QTableWidget* table = form.table();
    const int kapella = static_cast<int>(Column(table, 1).indexOf(QRegularExpression("Kapella.*")));
    ASSERT_GE(kapella, 0);
    table->setCurrentCell(kapella, 1);
    for (const int column : {2, 1, 0}) {
        form.SortByColumn(column);
        ASSERT_GE(table->currentRow(), 0) << column;
        EXPECT_TRUE(table->item(table->currentRow(), 1)->text().startsWith("Kapella")) << column;
        EXPECT_EQ(form.selectedStarName().substr(0, 7), "Kapella");
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

TEST_F(ListWindowsTest, ContentFitsTheSmallestWindow) {
    NamedStarWindow stars;
    // The smallest window leaves the map at least the table's design width.
    EXPECT_GE(stars.minimumWidth() - stars.table()->width(), 360);
    EXPECT_GE(stars.minimumHeight(), 360);

    PlaceListWindow places;
    PassListWindow passes;
    const QString line = QString::fromUtf8(kDisplayHeading.data(), kDisplayHeading.size());
    passes.appendListLine(std::string(kDisplayHeading));
    struct Case {
        QWidget* window;
        QAbstractScrollArea* view;
        int width, rowHeight;
    };
    const QHeaderView* heading = places.grid()->horizontalHeader();
    for (const Case& c :
         {Case{&places, places.grid(), heading->length(), 20},
          Case{&passes, passes.list(), passes.list()->fontMetrics().horizontalAdvance(line), 16}}) {
        SCOPED_TRACE(c.window->windowTitle().toStdString());
        c.window->setWindowState(Qt::WindowNoState);
        c.window->resize(1, 1);
        c.window->show();
        QApplication::processEvents();
        EXPECT_GE(c.view->viewport()->width(), c.width);
        EXPECT_GE(c.view->viewport()->height(), 10 * c.rowHeight);
    }
}

}  // namespace
