// The pass list window: showing a pass on the zoom chart and its failure, saving the
// list (Latin-1, CR LF, the location line), printing 50 lines a page. The abort of a
// running search: ui_satellites_pass_search_thread_test.cpp.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QTableView>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/program.h"
#include "catalog/settings_file.h"
#include "chart/canvas.h"
#include "chart/chart_view.h"
#include "chart/zoom_chart.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "prediction/night_window.h"
#include "prediction/pass_lines.h"
#include "prediction/pass_search.h"
#include "satellite/loaded_elements.h"
#include "satellite/observation.h"
#include "satellite/satellite_table.h"
#include "satellite/satellites_at_instant.h"
#include "support/file_size_limit.h"
#include "support/observer_place.h"
#include "support/pdf_text.h"
#include "support/satellite_selection.h"
#include "support/test_paths.h"
#include "support/ui/pass_list_lines.h"
#include "support/ui/pass_search_end.h"
#include "support/ui/program_windows_test.h"
#include "ui/common/windows.h"
#include "ui/satellites/pass_dialog.h"
#include "ui/satellites/pass_list_print.h"
#include "ui/satellites/pass_list_window.h"
#include "ui/satellites/pass_table.h"
#include "ui/satellites/satellite_selection_window.h"
#include "ui/sky/live_time.h"
#include "ui/sky/main_window.h"
#include "ui/sky/main_window_interaction.h"
#include "ui/sky/zoom_window.h"

namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::HasSubstr;
using testsupport::DialogKind;

std::vector<std::string> Pages(const std::string& text) {
    std::vector<std::string> pages(1);
    for (char c : text) {
        if (c == '\f')
            pages.emplace_back();
        else
            pages.back() += c;
    }
    if (pages.back().find_first_not_of(" \n") == std::string::npos) pages.pop_back();
    return pages;
}
int CountOf(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t p = text.find(part); p != std::string::npos; p = text.find(part, p + 1)) ++n;
    return n;
}

// A left click (press and release) at a point of a widget.
void ClickAt(QWidget* widget, QPoint p) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, p, widget->mapToGlobal(p), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}
void ClickHeading(QTableView* table, int column) {
    QHeaderView* heading = table->horizontalHeader();
    ClickAt(heading->viewport(),
            QPoint(heading->sectionViewportPosition(column) + heading->sectionSize(column) / 2,
                   heading->height() / 2));
}

class PassListTest : public testsupport::ProgramWindowsTest {
  protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        StartWindows(dir.path());
        dialog = AppWindows().passDialog;
        passListWindow = AppWindows().passListWindow;
        testsupport::PlaceObserverInBerlin(40, 2);
        testsupport::SetObserverLocalTime(2026, 4, 27, 12);
    }
    void SelectFixture(const char* name) {
        testsupport::LoadPassFixtureAndSelectEverySatellite(name, dir.path());
    }
    // A finished search of the ISS over three nights.
    void Search() {
        SelectFixture("iss.tle");
        dialog->daysField()->setText("3");
        ASSERT_EQ(testsupport::SearchToEnd(dialog), PassSearchOutcome::Finished);
        ASSERT_GE(testsupport::PassLineCount(*passListWindow), 3);
        dialogs->Clear();
    }
    // "Zeile 1 ende" … "Zeile n ende", line `special` (from 1) replaced by `line`.
    void FillList(int count, int special = 0, const std::string& line = {}) {
        passListWindow->clearList();
        for (int i = 1; i <= count; ++i)
            passListWindow->appendListLine(i == special ? line
                                                        : "Zeile " + std::to_string(i) + " ende");
    }
    bool ShowPassEnabled() const { return AppWindows().mainWindow->showPassesAction->isEnabled(); }

    PassDialog* dialog = nullptr;
    PassListWindow* passListWindow = nullptr;
};

TEST_F(PassListTest, WindowFrame) {
    EXPECT_EQ(passListWindow->windowTitle(), "Polaride - Durchgänge");
    EXPECT_EQ(passListWindow->saveAction->text(), "Speichern");
    EXPECT_EQ(passListWindow->printAction->text(), "Drucken");
    EXPECT_EQ(passListWindow->list()->font().family(), "Courier New");
    EXPECT_EQ(passListWindow->list()->font().pixelSize(), 13);
    EXPECT_EQ(passListWindow->headingBar()->font().pixelSize(), 13);
}

TEST_F(PassListTest, DoubleClickShowsThePassOnTheZoomChart) {
    // The zoom chart reads the sky data files.
    for (const char* file :
         {"STERNKAT", "SLINIEN", "SNAMEN", "NEBEL", "STERNNAM", "ASTEROID.TXT", "KOMET"})
        fs::copy_file(testsupport::DataPath(file), dir / file);
    Search();
    const int row = 1;
    const int k = PassList().passes[row].satelliteNumber;
    const JD1900 t = PassList().passes[row].time;
    AppWindows().satelliteSelectionWindow->show();
    dialog->show();
    dialogs->Clear();
    AppWindows().mainWindow->liveTime().Resume();
    testsupport::DoubleClickPassLine(*passListWindow, row);
    EXPECT_TRUE(dialogs->Calls().empty()) << dialogs->Messages().join("\n").toStdString();
    EXPECT_FALSE(ChartView().followsClock) << "the pass shown ends live time";
    EXPECT_FALSE(passListWindow->isVisible());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(AppWindows().satelliteSelectionWindow->isVisible());
    EXPECT_TRUE(AppWindows().zoomWindow->isVisible());
    EXPECT_EQ(Tracking().trackedSatellite, k);
    EXPECT_DOUBLE_EQ(Shown().currentJD, t);
    EXPECT_GE(ChartView().zoomFactor, 2);
    // The chart is turned so that the pass lies straight below the centre.
    const SatObservation seen = ObserveSelected(k, t, PlaceOf(Place()));
    EXPECT_GT(seen.altitudeDeg, 10.0);
    EXPECT_TRUE(ShowPassEnabled());
}

// The list makes way for the zoom window: the window manager hands the focus to the
// main window for a moment and then maximises the zoom window. The zoom chart stays
// the view and is drawn at its new size, not left black until "n" is pressed.
TEST_F(PassListTest, ShownPassStaysDrawnWhileTheFocusPassesThroughTheMainWindow) {
    for (const char* file :
         {"STERNKAT", "SLINIEN", "SNAMEN", "NEBEL", "STERNNAM", "ASTEROID.TXT", "KOMET"})
        fs::copy_file(testsupport::DataPath(file), dir / file);
    Search();
    AppWindows().mainWindow->show();
    ShowInFront(passListWindow);
    QApplication::processEvents();
    testsupport::DoubleClickPassLine(*passListWindow, 1);
    ZoomWindow* zoom = AppWindows().zoomWindow;
    ASSERT_TRUE(zoom->isVisible());
    // The focus reaches the main window before the zoom window's own activation, and
    // the zoom window is maximised in between.
    QApplication::setActiveWindow(AppWindows().mainWindow);
    zoom->resize(zoom->size() + QSize(160, 120));
    QApplication::processEvents();
    ASSERT_TRUE(zoom->isVisible());
    EXPECT_GE(ChartView().zoomFactor, 2);
    const QPoint centre = ZoomViewCentre();  // the pass, on the sky disc
    EXPECT_NE(zoom->canvas().PixelRgb(centre.x(), centre.y() + 30), 0x000000);
    EXPECT_TRUE(dialogs->Messages().isEmpty()) << dialogs->Messages().join("\n").toStdString();
}

enum class ShowPassFault { SelectionShrunk, RaisedMinimum };
class ShowPassFailureTest : public PassListTest,
                            public testing::WithParamInterface<ShowPassFault> {};

TEST_P(ShowPassFailureTest, MessageAndStateChanges) {
    const QString expected = QString::fromUtf8(
        "Fehler bei Anzeige des Durchgangs|Möglicherweise wurde die Satelliten-Auswahl geändert.\n"
        "Dann bitte Durchgänge neu berechnen!\n\nMöglicherweise sind die Satelliten-Elemente "
        "fehlerhaft.");
    Search();
    ASSERT_TRUE(ShowPassEnabled());
    passListWindow->show();
    switch (GetParam()) {
        case ShowPassFault::SelectionShrunk:
            Satellites().selectedCount = 0;
            Satellites().selectedSets.clear();
            break;
        case ShowPassFault::RaisedMinimum:
            dialog->minAltitudeField()->setText("89.5");
            break;
    }
    testsupport::DoubleClickPassLine(*passListWindow, 0);
    EXPECT_FALSE(passListWindow->ShowPass(0));
    EXPECT_THAT(dialogs->Messages(), ElementsAre(expected, expected));
    EXPECT_EQ(Tracking().trackedSatellite, -1);
    EXPECT_FALSE(ShowPassEnabled());
    EXPECT_FALSE(AppWindows().zoomWindow->showPassesAction->isEnabled());
    EXPECT_FALSE(passListWindow->isVisible());
    EXPECT_TRUE(AppWindows().satelliteSelectionWindow->isVisible());
    EXPECT_FALSE(AppWindows().zoomWindow->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Faults, ShowPassFailureTest,
                         testing::Values(ShowPassFault::SelectionShrunk,
                                         ShowPassFault::RaisedMinimum));

TEST_F(PassListTest, TableSortsByEachColumn) {
    SelectFixture("visual10.tle");
    dialog->daysField()->setText("2");
    ASSERT_EQ(testsupport::SearchToEnd(dialog), PassSearchOutcome::Finished);
    QTableView* table = passListWindow->table();
    ASSERT_TRUE(table->isVisible());
    const QAbstractItemModel* rows = table->model();
    ASSERT_GE(rows->rowCount(), 5);
    EXPECT_TRUE(table->isColumnHidden(kRangeColumn));
    passListWindow->classicColumnsBox()->setChecked(true);
    QApplication::processEvents();
    for (int column = 0; column < kPassColumnCount; ++column) {
        ASSERT_FALSE(table->isColumnHidden(column));
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            SCOPED_TRACE(testing::Message() << "column " << column << " order " << order);
            ClickHeading(table, column);
            EXPECT_EQ(table->horizontalHeader()->sortIndicatorOrder(), order);
            for (int row = 1; row < rows->rowCount(); ++row) {
                const int first = order == Qt::AscendingOrder ? row - 1 : row;
                const int second = order == Qt::AscendingOrder ? row : row - 1;
                const double a = PassCellValue(table, first, column);
                const double b = PassCellValue(table, second, column);
                if (std::isnan(a) && std::isnan(b))  // a text column
                    EXPECT_LE(rows->index(first, column)
                                  .data()
                                  .toString()
                                  .compare(rows->index(second, column).data().toString(),
                                           Qt::CaseInsensitive),
                              0);
                else
                    EXPECT_LE(a, b);
            }
        }
    }
}

// After sorting a double click shows the pass of the row clicked, not of its list line.
TEST_F(PassListTest, DoubleClickAfterSortingShowsTheClickedPass) {
    for (const char* file :
         {"STERNKAT", "SLINIEN", "SNAMEN", "NEBEL", "STERNNAM", "ASTEROID.TXT", "KOMET"})
        fs::copy_file(testsupport::DataPath(file), dir / file);
    Search();
    QTableView* table = passListWindow->table();
    ClickHeading(table, kHighestAltitudeColumn);
    ClickHeading(table, kHighestAltitudeColumn);  // the highest pass first
    const int row = 0;
    ASSERT_NE(ListRowOfTableRow(table, row), row) << "sorting moved the passes";
    const QString listed =
        table->model()->index(row, kListedTimeColumn).data().toString().remove('*');
    const QRect cell = table->visualRect(table->model()->index(row, kSatelliteColumn));
    ClickAt(table->viewport(), cell.center());  // the first click of the double click
    QMouseEvent click(QEvent::MouseButtonDblClick, cell.center(),
                      table->viewport()->mapToGlobal(cell.center()), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(table->viewport(), &click);
    ASSERT_TRUE(AppWindows().zoomWindow->isVisible())
        << dialogs->Messages().join("\n").toStdString();
    const JD1900 t = Shown().currentJD;
    EXPECT_EQ(QString::fromStdString(DateTimeTextsOf(t, Place().zoneOffsetAt(t)).time), listed);
    EXPECT_DOUBLE_EQ(t, PassList().passes[ListRowOfTableRow(table, row)].time);
}

// The saved and the printed list name the nights searched, year included.
TEST_F(PassListTest, HeadingNamesTheNightsWithTheYear) {
    Search();
    const char* const heading =
        "Sichtbarkeitsbedingungen für Berlin, Nächte vom 27.04.2026 bis "
        "29.04.2026";
    EXPECT_EQ(passListWindow->HeaderLines().value(0), QString::fromUtf8(heading));
    const fs::path out = dir / "liste.txt";
    dialogs->AnswerSaveFile(QString::fromStdString(out.string()));
    passListWindow->Save();
    const std::string text = testsupport::ReadTextFile(out);
    EXPECT_EQ(text.substr(0, text.find("\r\n")),
              "Sichtbarkeitsbedingungen f\xfcr Berlin, N\xe4"
              "chte vom 27.04.2026 bis 29.04.2026");
    const fs::path pdf = dir / "liste.pdf";
    dialogs->AnswerPrint(QString::fromStdString(pdf.string()));
    passListWindow->Print();
    EXPECT_THAT(testsupport::PdfText(pdf), HasSubstr("27.04.2026 bis 29.04.2026"));
}

TEST_F(PassListTest, SaveWritesHeaderAndLinesLatin1CrLf) {
    struct Case {
        double lon, lat, zone;
        const char* location;
    };
    const Case cases[] = {
        {13.4, 52.5, 2, "Laenge: 13.4 E  Breite: 52.5 N  Zeitzone: UTC +2h"},
        {-70.25, -33.45, -4, "Laenge: -70.25 W  Breite: -33.45 S  Zeitzone: UTC -4h"},
        {0, 0, 0, "Laenge: 0 E  Breite: 0 N  Zeitzone: UTC 0h"},
    };
    FillList(3, 2, " ISS (ZARYA)     27.04.  21:05:10    45.0°  ");
    Place().placeName = "München";
    ElementFile().elementFilePath = "C:\\bahn\\iss.tle";
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.location);
        Place().longitudeDeg = c.lon;
        Place().setLatitude(c.lat);
        Place().zoneOffsetHours = c.zone;
        Place().zoneRule.clear();  // a fixed zone
        const fs::path out = dir / "out" / ("liste" + std::to_string(++n) + ".txt");
        fs::create_directories(out.parent_path());
        const fs::path before = fs::current_path();
        dialogs->AnswerSaveFile(QString::fromStdString(out.string()));
        passListWindow->saveAction->trigger();
        EXPECT_EQ(fs::current_path(), before);
        const std::string expected =
            "Sichtbarkeitsbedingungen f\xfcr M\xfcnchen\r\n" + std::string(c.location) +
            "\r\nberechnet mit Elementen aus C:\\bahn\\iss.tle\r\n"
            "  Name           Datum   Uhrzeit    sath   sataz  Entf   Pos   mag  Sonne\r\n"
            "Zeile 1 ende\r\n ISS (ZARYA)     27.04.  21:05:10    45.0\xb0  \r\nZeile 3 ende\r\n";
        EXPECT_EQ(testsupport::ReadTextFile(out), expected);
    }
    // Cancelled: nothing written.
    dialogs->CancelNext(DialogKind::SaveFile);
    passListWindow->Save();
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "out"), fs::directory_iterator()), 3);
    EXPECT_TRUE(dialogs->Messages().isEmpty());
}

// The file is Latin-1: a name it cannot hold is not changed without a word.
TEST_F(PassListTest, SaveSaysWhenLatin1CannotHoldAName) {
    FillList(1);
    const fs::path out = dir / "liste.txt";
    ElementFile().elementFilePath = "iss.tle";
    for (const char* place : {"München", "Ωmega"}) {
        SCOPED_TRACE(place);
        Place().placeName = place;
        dialogs->Clear();
        dialogs->AnswerSaveFile(QString::fromStdString(out.string()));
        passListWindow->Save();
        const bool held = std::string(place) == "München";
        const std::string text = testsupport::ReadTextFile(out);
        EXPECT_EQ(text.substr(0, text.find("\r\n")),
                  held ? "Sichtbarkeitsbedingungen f\xfcr M\xfcnchen"
                       : "Sichtbarkeitsbedingungen f\xfcr ?mega");
        if (held) {
            EXPECT_TRUE(dialogs->Messages().isEmpty());
        } else {
            ASSERT_EQ(dialogs->Messages().size(), 1);
            EXPECT_TRUE(dialogs->Messages()[0].contains("Latin-1 kennt nicht alle Zeichen"));
            EXPECT_TRUE(dialogs->Messages()[0].contains(QString::fromStdString(out.string())));
        }
    }
}

TEST_F(PassListTest, SaveErrorIsReported) {
    FillList(2);
    dialogs->AnswerSaveFile(QString::fromStdString((dir / "missing" / "liste.txt").string()));
    passListWindow->Save();
    ASSERT_EQ(dialogs->Messages().size(), 1);
    EXPECT_TRUE(dialogs->Messages()[0].startsWith("Polaride|E/A-Fehler"));
}

// A write that fails half-way (as on a full disk) leaves the list saved before intact.
TEST_F(PassListTest, FailedSaveKeepsTheOldFile) {
    const fs::path out = dir / "liste.txt";
    testsupport::WriteTextFile(out, "alte Liste\r\n");
    FillList(50);
    dialogs->AnswerSaveFile(QString::fromStdString(out.string()));
    {
        testsupport::ScopedFileSizeLimit limit(64);
        passListWindow->Save();
    }
    EXPECT_EQ(testsupport::ReadTextFile(out), "alte Liste\r\n");
    ASSERT_EQ(dialogs->Messages().size(), 1);
    EXPECT_TRUE(dialogs->Messages()[0].startsWith("Polaride|E/A-Fehler"));
    EXPECT_TRUE(dialogs->Messages()[0].contains("bleibt unverändert"));
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().find("tmp"), std::string::npos)
            << "temporary file left behind: " << entry.path();
}

TEST_F(PassListTest, PrintsFiftyLinesAPage) {
    struct Case {
        int lines, pages, lastPageLines;
    };
    const Case cases[] = {{0, 1, 0}, {1, 1, 1}, {50, 1, 50}, {51, 2, 1}, {100, 2, 50}, {101, 3, 1}};
    ElementFile().elementFilePath = "iss.tle";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        EXPECT_EQ(PassListPageCount(c.lines), c.pages);
        FillList(c.lines);
        const fs::path pdf = dir / ("liste" + std::to_string(c.lines) + ".pdf");
        dialogs->AnswerPrint(QString::fromStdString(pdf.string()));
        passListWindow->printAction->trigger();
        const std::vector<std::string> pages = Pages(testsupport::PdfText(pdf));
        ASSERT_EQ(static_cast<int>(pages.size()), c.pages);
        for (const std::string& page : pages) {
            EXPECT_EQ(CountOf(page, "Sichtbarkeitsbedingungen"), 1);
            EXPECT_EQ(CountOf(page, "Laenge: 13.4 E"), 1);
            EXPECT_EQ(CountOf(page, "berechnet mit Datei iss.tle"), 1);
            EXPECT_EQ(CountOf(page, "Uhrzeit"), 1);
        }
        EXPECT_EQ(CountOf(pages.back(), "Zeile "), c.lastPageLines);
        if (c.lines > 0) {
            EXPECT_EQ(CountOf(pages.back(), "Zeile " + std::to_string(c.lines) + " ende"), 1);
            EXPECT_EQ(CountOf(pages.front(), "Zeile 1 ende"), 1);
        }
    }
    dialogs->CancelNext(DialogKind::Print);
    passListWindow->Print();  // cancelled: nothing printed
    EXPECT_TRUE(dialogs->Messages().isEmpty());
}

}  // namespace
