// The place windows offscreen: captions and fields, the order of the checks with their
// message boxes, taking a place over in each of the four ways, the redraw of the
// active chart for the new place, and the settings file written on "Beenden".
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <cmath>

#include "catalog/place_list.h"
#include "catalog/settings_file.h"
#include "chart/chart_view.h"
#include "chart/ephemeris_update.h"
#include "chart/world_map_geometry.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"
#include "support/observer_records.h"
#include "support/test_paths.h"
#include "support/ui/readable_widget.h"
#include "support/ui/scripted_dialogs.h"
#include "ui/common/windows.h"
#include "ui/places/germany_map_window.h"
#include "ui/places/map_pointer_labels.h"
#include "ui/places/observer_dialog.h"
#include "ui/places/place_entry_dialog.h"
#include "ui/places/place_list_window.h"
#include "ui/places/redraw_active_view.h"
#include "ui/places/world_map_window.h"
#include "ui/sky/main_window.h"

namespace {

using testing::ElementsAre;
using testsupport::DialogKind;

const char* const kSettings =
    "Sonneberg\r\n11.19\r\n50.38\r\n640\r\n "
    "MEZ\r\n1\r\n5\r\n\r\n3\r\n\r\n1\r\n10\r\n-5\r\n6\r\n11100\r\n10100\r\n"
    "Iridium\r\n0\r\n\r\n\r\n10000000000\r\n0\r\n180\r\n";

const QRgb kSea = qRgb(0, 0, 100);

// The place in ObserverRecords at the moment the chart was drawn.
struct Drawing {
    std::string place;
    double longitudeDeg;
    double latitudeDeg;
    double sinLatitude;
    bool timeChanged;
};

class PlaceWindowsTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetObserverRecords();
        ResetChartView();
        ResetSettings();
        ResetSunState();
        for (const char* name : {"Grenzen", "Staedte", "ORTE3"}) {
            std::filesystem::copy_file(testsupport::FixturePath(std::string("location/") + name),
                                       dir / (name == std::string("ORTE3") ? "ORTE" : name));
        }
        testsupport::WriteTextFile(dir / "polaride.cfg", kSettings);
        QImage world(622, 301, QImage::Format_RGB32);
        world.fill(kSea);
        ASSERT_TRUE(world.save(QString::fromStdString((dir / "welt.bmp").string()), "BMP"));

        main = std::make_unique<MainWindow>();
        AppWindows().mainWindow = main.get();
        main->drawChart = [this] {
            drawings.push_back({Place().placeName, Place().longitudeDeg, Place().latitudeDeg,
                                Place().sinLatitude, Shown().timeChanged});
            Shown().timeChanged = false;  // as the drawing does
        };
        dialogs->Clear();
        Shown().timeChanged = false;
    }
    void TearDown() override {
        AppWindows().mainWindow = nullptr;
        main.reset();
        ResetObserverRecords();
        ResetChartView();
        ResetSettings();
        ResetSunState();
    }

    void ExpectRedrawnAt(const std::string& place, double longitude, double latitude) {
        ASSERT_EQ(drawings.size(), 1u);
        EXPECT_EQ(drawings[0].place, place);
        EXPECT_NEAR(drawings[0].longitudeDeg, longitude, 1e-9);
        EXPECT_NEAR(drawings[0].latitudeDeg, latitude, 1e-9);
        EXPECT_NEAR(drawings[0].sinLatitude, std::sin(latitude * 3.14159265 / 180.0), 1e-12);
        EXPECT_TRUE(drawings[0].timeChanged) << "satellites are recomputed for the new place";
    }

    testsupport::TempDir dir;
    testsupport::ScopedWorkingDir cwd{dir.path()};
    testsupport::ScopedScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> main;
    std::vector<Drawing> drawings;
};

// ---------------------------------------------------------------- parameters

TEST_F(PlaceWindowsTest, ParameterDialogShowsTheStateAndTheZoneReminder) {
    ObserverDialog dialog;
    ChartView().zoomMayClose = true;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Parameter");
    EXPECT_FALSE(ChartView().zoomMayClose);
    EXPECT_EQ(dialog.field(ObserverDialog::PlaceName)->text(), "Sonneberg");
    EXPECT_EQ(dialog.field(ObserverDialog::Longitude)->text(), "11.19");
    EXPECT_EQ(dialog.field(ObserverDialog::Latitude)->text(), "50.38");
    EXPECT_EQ(dialog.field(ObserverDialog::Height)->text(), "640");
    EXPECT_EQ(dialog.field(ObserverDialog::ZoneName)->text(), "MEZ");
    EXPECT_EQ(dialog.field(ObserverDialog::ZoneOffset)->text(), "1");
    EXPECT_EQ(dialog.field(ObserverDialog::LimitingMagnitude)->text(), "5");
    EXPECT_EQ(dialog.field(ObserverDialog::Height)->width(), 121);
    const QStringList memo = dialog.reminderMemo()->toPlainText().split('\n');
    ASSERT_EQ(memo.size(), 10);
    EXPECT_EQ(memo.front(), "Mitteleuropäische Sommerzeit   MESZ   +2");
    EXPECT_EQ(memo.back(), "Pacific Daylight Saving Time   PDT   -7");
    EXPECT_TRUE(dialog.reminderMemo()->isReadOnly());
}

// The zone picker: a rule fills the fixed fields with its zone at the displayed instant
// (read-only) and is taken over; the first entry is a fixed zone again.
TEST_F(PlaceWindowsTest, ParameterDialogPicksAZoneByRule) {
    Shown().currentJD = JulianDay1900(2026, 7, 1);
    ObserverDialog dialog;
    dialog.show();
    QComboBox* picker = dialog.zoneRulePicker();
    EXPECT_EQ(picker->itemText(0), QString::fromUtf8(kFixedZoneEntry));
    EXPECT_EQ(picker->completer()->filterMode(), Qt::MatchContains);
    picker->setCurrentText(QStringLiteral("America/New_York"));
    EXPECT_EQ(dialog.field(ObserverDialog::ZoneName)->text(), "EDT");
    EXPECT_EQ(dialog.field(ObserverDialog::ZoneOffset)->text(), "-4");
    EXPECT_TRUE(dialog.field(ObserverDialog::ZoneOffset)->isReadOnly());
    dialog.accept();
    EXPECT_EQ(Place().zoneRule, "America/New_York");
    dialog.show();
    picker->setCurrentIndex(0);
    EXPECT_FALSE(dialog.field(ObserverDialog::ZoneOffset)->isReadOnly());
    dialog.accept();
    EXPECT_EQ(Place().zoneRule, "");
    EXPECT_DOUBLE_EQ(Place().zoneOffsetHours, -4.0);
    dialog.show();
    picker->setCurrentText(QStringLiteral("Europe/Nirgendwo"));
    dialog.accept();
    EXPECT_TRUE(dialogs->Messages().back().contains(QStringLiteral("Unbekannte Zeitzone")));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(PlaceWindowsTest, ParameterDialogRefusesLatitudeThenCancelKeepsNameAndLongitude) {
    ObserverDialog dialog;
    dialog.show();
    dialog.field(ObserverDialog::PlaceName)->setText("Neustadt");
    dialog.field(ObserverDialog::Longitude)->setText("10.5");
    dialog.field(ObserverDialog::Latitude)->setText("90.01");
    dialog.accept();
    EXPECT_THAT(dialogs->Messages(),
                ElementsAre("Ungültige Eingabe|Fehler bei geografischer Breite"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(drawings.empty());
    dialog.reject();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Place().placeName, "Neustadt");
    EXPECT_DOUBLE_EQ(Place().longitudeDeg, 10.5);
    EXPECT_DOUBLE_EQ(Place().latitudeDeg, 50.38);
    EXPECT_TRUE(drawings.empty());
}

TEST_F(PlaceWindowsTest, ParameterDialogRefusesLongitudeAndBadHeight) {
    ObserverDialog dialog;
    dialog.show();
    dialog.field(ObserverDialog::Longitude)->setText("-180.5");
    dialog.accept();
    dialog.field(ObserverDialog::Longitude)->setText("-180");
    dialog.field(ObserverDialog::Height)->setText("hoch");
    dialog.accept();
    const QStringList messages = dialogs->Messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0], "Ungültige Eingabe|Fehler bei geografischer Länge");
    EXPECT_TRUE(messages[1].contains("'hoch'")) << messages[1].toStdString();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_DOUBLE_EQ(Place().longitudeDeg, -180.0);
    EXPECT_DOUBLE_EQ(Place().heightM, 640.0);
    EXPECT_TRUE(drawings.empty());
}

// Height, zone and limiting magnitude beyond any meaning ("Sonnenhöhe: nan°" for a
// zone of 1e300) are refused like a bad longitude; the fields before stay taken over.
TEST_F(PlaceWindowsTest, ParameterDialogRefusesValuesOutsideTheirBounds) {
    const char* const kZoneMessage = "Fehler bei Zeitzone - UTC (möglich sind -12 bis +14 Stunden)";
    struct Case {
        ObserverDialog::Field field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {ObserverDialog::Height, "-1e9", "Fehler bei Höhe über NN"},
        {ObserverDialog::ZoneOffset, "1e300", kZoneMessage},
        {ObserverDialog::ZoneOffset, "-25", kZoneMessage},
        // Real zones lie between UTC-12 and UTC+14.
        {ObserverDialog::ZoneOffset, "15", kZoneMessage},
        {ObserverDialog::ZoneOffset, "-12.5", kZoneMessage},
        {ObserverDialog::LimitingMagnitude, "1e300", "Fehler bei Grenzgröße"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ObserverDialog dialog;
        dialog.show();
        dialog.field(ObserverDialog::Longitude)->setText("20");
        dialog.field(c.field)->setText(c.text);
        dialogs->Clear();
        dialog.accept();
        EXPECT_THAT(dialogs->Messages(), ElementsAre(QString::fromUtf8("Ungültige Eingabe|") +
                                                     QString::fromUtf8(c.message)));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_DOUBLE_EQ(Place().longitudeDeg, 20.0);
        EXPECT_DOUBLE_EQ(Place().heightM, 640.0);
        EXPECT_DOUBLE_EQ(Place().zoneOffsetHours, 1.0);
        EXPECT_DOUBLE_EQ(ViewOptions().limitingMagnitude, 5.0);
        EXPECT_TRUE(drawings.empty());
    }
    for (const double zone : {14.0, -12.0}) {
        ObserverDialog dialog;
        dialog.show();
        dialog.field(ObserverDialog::ZoneOffset)->setText(QString::number(zone));
        dialogs->Clear();
        dialog.accept();
        EXPECT_TRUE(dialogs->Messages().isEmpty()) << zone;
        EXPECT_DOUBLE_EQ(Place().zoneOffsetHours, zone);
    }
}

TEST_F(PlaceWindowsTest, ParameterDialogOkTakesOverAndRedrawsTheChart) {
    ObserverDialog dialog;
    dialog.show();
    dialog.field(ObserverDialog::PlaceName)->setText("Quito");
    dialog.field(ObserverDialog::Longitude)->setText("281.5");
    dialog.field(ObserverDialog::Latitude)->setText("-0.22");
    dialog.field(ObserverDialog::Height)->setText("");
    dialog.field(ObserverDialog::ZoneName)->setText("EST");
    dialog.field(ObserverDialog::ZoneOffset)->setText("-5");
    dialog.field(ObserverDialog::LimitingMagnitude)->setText("4.5");
    dialog.accept();
    EXPECT_TRUE(dialogs->Messages().isEmpty());
    EXPECT_FALSE(dialog.isVisible());
    ExpectRedrawnAt("Quito", 281.5, -0.22);
    EXPECT_EQ(Place().zoneName, " EST");
    EXPECT_DOUBLE_EQ(Place().zoneOffsetHours, -5.0);
    EXPECT_DOUBLE_EQ(Place().heightM, 0.0);
    EXPECT_DOUBLE_EQ(ViewOptions().limitingMagnitude, 4.5);
}

// ---------------------------------------------------------------- entry window

TEST_F(PlaceWindowsTest, EntryWindowRefusesThenTakesOverAndIsWrittenOnBeenden) {
    PlaceEntryDialog entry;
    entry.show();
    EXPECT_EQ(entry.windowTitle(), "Polaride - Neuen Ort eingeben");
    EXPECT_EQ(entry.size(), QSize(435, 300));
    entry.nameField()->setText("Nirgendwo");
    entry.longitudeField()->setText("400");
    entry.latitudeField()->setText("45");
    entry.okButton()->click();
    EXPECT_THAT(dialogs->Messages(),
                ElementsAre("Ungültige Eingabe|Fehler bei geografischer Länge"));
    EXPECT_TRUE(entry.isVisible());
    EXPECT_DOUBLE_EQ(Place().longitudeDeg, 11.19);
    EXPECT_EQ(Place().placeName, "Nirgendwo");

    entry.nameField()->setText("Görlitz");
    entry.longitudeField()->setText("14.99");
    entry.latitudeField()->setText("51.15");
    entry.heightField()->setText("200");
    entry.okButton()->click();
    EXPECT_FALSE(entry.isVisible());
    ExpectRedrawnAt("Görlitz", 14.99, 51.15);
    EXPECT_DOUBLE_EQ(Place().heightM, 200.0);

    main->Quit();
    const std::string settings = testsupport::ReadTextFile(dir / "polaride.cfg");
    EXPECT_EQ(settings.rfind("G\xf6rlitz\r\n14.99\r\n51.15\r\n200\r\n", 0), 0u) << settings;
}

TEST_F(PlaceWindowsTest, EntryWindowCancelTakesNothing) {
    PlaceEntryDialog entry;
    entry.show();
    entry.nameField()->setText("Anderswo");
    entry.longitudeField()->setText("1");
    entry.latitudeField()->setText("2");
    entry.cancelButton()->click();
    EXPECT_FALSE(entry.isVisible());
    EXPECT_EQ(Place().placeName, "Sonneberg");
    EXPECT_TRUE(drawings.empty());
}

// ---------------------------------------------------------------- place list

namespace {

// The column's caption, then its cells.
QStringList GridColumn(QTableWidget* grid, int column) {
    QStringList cells = {grid->horizontalHeaderItem(column)->text()};
    for (int row = 0; row < grid->rowCount(); ++row) cells << grid->item(row, column)->text();
    return cells;
}

void PressAt(QWidget* widget, QPoint p) {
    QMouseEvent press(QEvent::MouseButtonPress, p, widget->mapToGlobal(p), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

}  // namespace

TEST_F(PlaceWindowsTest, PlaceListShowsTheFileInAGridWithHeader) {
    PlaceListWindow list;
    EXPECT_EQ(list.windowTitle(), "Polaride - Ortsliste");
    QTableWidget* grid = list.grid();
    ASSERT_EQ(grid->rowCount(), 3);  // below the heading
    ASSERT_EQ(grid->columnCount(), 4);
    EXPECT_THAT(GridColumn(grid, 0),
                ElementsAre(" Länge", "      10.1", "      -5.3", "       9.9"));
    EXPECT_THAT(GridColumn(grid, 1), ElementsAre(" Breite", "    53.55", "    36.14", "    48.40"));
    EXPECT_THAT(GridColumn(grid, 2), ElementsAre("Höhe(m)", "    6", "   10", "  478"));
    EXPECT_THAT(GridColumn(grid, 3), ElementsAre(" Name", "Ulm", "Zwickau", "aachen"));
    EXPECT_GE(grid->columnWidth(0), 100);
    EXPECT_GE(grid->columnWidth(1), 90);
    EXPECT_GE(grid->columnWidth(2), 60);
    EXPECT_GE(grid->columnWidth(3), 250);
    EXPECT_GE(grid->width(), 526);
    EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST_F(PlaceWindowsTest, HeaderPressSortsWithTheCaptionShownMeanwhile) {
    PlaceListWindow list;
    QStringList captions;
    QObject::connect(&list, &QWidget::windowTitleChanged,
                     [&captions](const QString& t) { captions << t; });
    list.show();
    QWidget* heading = list.grid()->horizontalHeader()->viewport();
    PressAt(heading, QPoint(50, 5));  // " Länge"
    EXPECT_THAT(GridColumn(list.grid(), 3), ElementsAre(" Name", "Zwickau", "aachen", "Ulm"));
    EXPECT_THAT(captions,
                ElementsAre("Polaride - Ortsliste       SORTIERE...", "Polaride - Ortsliste"));
    PressAt(heading, QPoint(list.grid()->columnViewportPosition(3) + 10, 10));  // " Name"
    EXPECT_THAT(GridColumn(list.grid(), 3), ElementsAre(" Name", "Ulm", "Zwickau", "aachen"));
    EXPECT_THAT(GridColumn(list.grid(), 0),
                ElementsAre(" Länge", "      10.1", "      -5.3", "       9.9"));
    // A press on the rows does not sort.
    PressAt(list.grid()->viewport(), QPoint(50, 5));
    EXPECT_THAT(GridColumn(list.grid(), 3), ElementsAre(" Name", "Ulm", "Zwickau", "aachen"));
    EXPECT_TRUE(dialogs->Messages().isEmpty());
}

TEST_F(PlaceWindowsTest, DoubleClickTakesTheRowOver) {
    PlaceListWindow list;
    list.show();
    emit list.grid()->cellDoubleClicked(2, 1);
    EXPECT_FALSE(list.isVisible());
    ExpectRedrawnAt("aachen", 9.9, 48.40);
    EXPECT_DOUBLE_EQ(Place().heightM, 478.0);
}

TEST_F(PlaceWindowsTest, RowOutsideTheDialogsRangesIsNotTakenOver) {
    testsupport::WriteTextFile(dir / "ORTE", "    1e300    53.55    6Nirgendwo\r\n");
    PlaceListWindow list;
    list.show();
    const std::string placeBefore = Place().placeName;
    const double longitudeBefore = Place().longitudeDeg;
    emit list.grid()->cellDoubleClicked(0, 0);
    EXPECT_THAT(dialogs->Messages(),
                ElementsAre(QString::fromUtf8("Ungültige Eingabe|Fehler bei geografischer Länge")));
    EXPECT_TRUE(list.isVisible());
    EXPECT_TRUE(drawings.empty());
    EXPECT_EQ(Place().placeName, placeBefore);
    EXPECT_EQ(Place().longitudeDeg, longitudeBefore);
}

// A place of the list proposes the zone of its country; a map click, that of the
// nearest place of the list.
TEST_F(PlaceWindowsTest, APickedPlaceProposesItsZone) {
    testsupport::WriteTextFile(dir / "ORTE",
                               "  -0.1969  5.5560   68Accra (GH)\r\n"
                               "  13.4050 52.5200   34Berlin\r\n");
    PlaceListWindow list;
    list.show();
    emit list.grid()->cellDoubleClicked(0, 0);
    EXPECT_EQ(Place().placeName, "Accra (GH)");
    EXPECT_EQ(Place().zoneRule, "Africa/Accra");
    Place().zoneRule.clear();
    WorldMapWindow map;
    map.show();
    dialogs->AnswerInput("Golf von Guinea");
    map.ClickAt(9 + 311, 5 + 150);
    EXPECT_EQ(Place().zoneRule, "Africa/Accra");
}

TEST_F(PlaceWindowsTest, MissingPlaceFileIsReported) {
    std::filesystem::remove(dir / "ORTE");
    PlaceListWindow list;
    ASSERT_EQ(dialogs->Messages().size(), 1);
    EXPECT_TRUE(dialogs->Messages()[0].contains("ORTE"));
    EXPECT_EQ(list.grid()->rowCount(), 0);
}

// ---------------------------------------------------------------- world map

// Close to the March equinox of 2026, 18:00 UT: the Sun culminates about 90° west.
JD1900 EquinoxEvening() { return JulianDay1900(2026, 3, 20) + 0.75; }

TEST_F(PlaceWindowsTest, WorldMapDrawsCrossAndDaylightOverTheBitmap) {
    Place().longitudeDeg = 0.0;
    Place().setLatitude(0.0);
    Shown().currentJD = EquinoxEvening();
    Shown().year = 2026;
    WorldMapWindow map;
    map.show();
    EXPECT_EQ(map.windowTitle(), "Polaride Weltkarte");
    const QImage& image = map.mapImage();
    ASSERT_EQ(image.size(), QSize(622, 301));
    const QRgb lit = kSea ^ qRgb(255, 255, 0);
    const int noon = location::WorldPixelOfPlace(-90.0, 0.0).x;
    const int midnight = location::WorldPixelOfPlace(90.0, 0.0).x;
    EXPECT_EQ(image.pixel(noon, 151) & 0xffffff, lit & 0xffffff);
    EXPECT_EQ(image.pixel(midnight, 151) & 0xffffff, kSea & 0xffffff);
    EXPECT_EQ(image.pixel(noon, 0) & 0xffffff, kSea & 0xffffff) << "row 0 is never drawn";
    // The place cross: white, 8 pixels each way (the night side leaves it white).
    Place().longitudeDeg = 90.0;
    map.DrawMap();
    const location::WorldPixel cross = location::WorldPixelOfPlace(90.0, 0.0);
    EXPECT_EQ(map.mapImage().pixel(cross.x - 8, cross.y) & 0xffffff, 0xffffffu);
    EXPECT_EQ(map.mapImage().pixel(cross.x, cross.y - 8) & 0xffffffu, 0xffffffu);
    EXPECT_EQ(map.mapImage().pixel(cross.x - 9, cross.y) & 0xffffffu, kSea & 0xffffffu);
}

// A ground track or a pass search computes the Sun and the sidereal time of other
// instants: the daylight band stays that of the instant shown.
TEST_F(PlaceWindowsTest, WorldMapDaylightIsThatOfTheInstantShown) {
    Shown().currentJD = EquinoxEvening();
    Shown().year = 2026;
    UpdateSunMoon(Place().cosLatitude, Place().sinLatitude, Place().longitudeDeg,
                  Shown().currentJD);
    WorldMapWindow map;
    ASSERT_TRUE(map.DrawMap());
    const QImage shown = map.mapImage().copy();
    UpdateSunMoon(Place().cosLatitude, Place().sinLatitude, Place().longitudeDeg,
                  Shown().currentJD + 0.3);
    ASSERT_TRUE(map.DrawMap());
    EXPECT_TRUE(map.mapImage() == shown);
}

// Only the map is black: the menu bar's entries can be read.
TEST_F(PlaceWindowsTest, GermanyMapMenuBarIsReadable) {
    GermanyMapWindow map;
    map.show();
    auto* bar = map.findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const int contrast = testsupport::TextContrast(
        *bar, [&map](bool shown) { map.magnifyAction()->setVisible(shown); });
    EXPECT_GT(contrast, 100);
    EXPECT_EQ(map.mapArea()->palette().color(QPalette::Window), QColor(Qt::black));
}

// The map is read east and west of Greenwich, as an atlas is, though a place taken
// from it keeps its east longitude 0..360.
TEST_F(PlaceWindowsTest, WorldMapShowsLongitudesEastAndWestOfGreenwich) {
    WorldMapWindow map;
    map.show();
    const std::pair<int, const char*> columns[] = {
        {310, "0.29° W"}, {311, "0.29° O"}, {100, "122.03° W"}, {600, "167.83° O"}, {0, "180.00°"}};
    for (const auto& [column, text] : columns) {
        map.PointerAt(9 + column, 5 + 150);
        EXPECT_EQ(map.longitudeLabel()->text(), QStringLiteral("geographische Länge: ") + text);
    }
    EXPECT_EQ(location::EastWestLongitude(286.0), "74.00° W");
    EXPECT_EQ(location::EastWestLongitude(-74.0), "74.00° W");
    EXPECT_EQ(location::EastWestLongitude(13.4), "13.40° O");
    EXPECT_EQ(location::EastWestLongitude(286.0, true), "74.00 Grad West");
    EXPECT_EQ(location::EastWestLongitude(13.4, true), "13.40 Grad Ost");
}

TEST_F(PlaceWindowsTest, WorldMapPointerLabelsAndClickTakesThePlace) {
    WorldMapWindow map;
    map.show();
    map.PointerAt(9 + 311, 5 + 150);
    EXPECT_EQ(map.longitudeLabel()->text(), "geographische Länge: 0.29° O");
    EXPECT_EQ(map.latitudeLabel()->text(), "geographische Breite: 0.00°");
    EXPECT_EQ(map.cursor().shape(), Qt::CrossCursor);
    map.PointerAt(2, 2);
    EXPECT_EQ(map.cursor().shape(), Qt::ArrowCursor);

    // Cancel and an empty name change nothing.
    dialogs->CancelNext(DialogKind::Input);
    map.ClickAt(9 + 311, 5 + 150);
    dialogs->AnswerInput("");
    map.ClickAt(9 + 311, 5 + 150);
    EXPECT_TRUE(drawings.empty());
    EXPECT_EQ(Place().placeName, "Sonneberg");
    EXPECT_TRUE(map.isVisible());

    dialogs->AnswerInput("Golf von Guinea");
    map.ClickAt(9 + 311, 5 + 150);
    const auto inputs = dialogs->CallsOf(DialogKind::Input);
    ASSERT_EQ(inputs.size(), 3u);
    EXPECT_EQ(inputs[2].caption, "Ort ändern");
    EXPECT_EQ(inputs[2].text, "Bitte Ortsnamen eingeben:");
    EXPECT_EQ(inputs[2].proposed, "");
    EXPECT_FALSE(map.isVisible());
    ExpectRedrawnAt("Golf von Guinea", location::WorldLongitudeOfColumn(311), 0.0);
    EXPECT_DOUBLE_EQ(Place().heightM, 640.0) << "the height is left unchanged";
}

TEST_F(PlaceWindowsTest, WorldMapWithoutBitmapReportsIt) {
    std::filesystem::remove(dir / "welt.bmp");
    WorldMapWindow map;
    EXPECT_FALSE(map.DrawMap());
    ASSERT_EQ(dialogs->Messages().size(), 1);
    EXPECT_TRUE(dialogs->Messages()[0].contains("welt.bmp"));
}

// ---------------------------------------------------------------- Germany map

TEST_F(PlaceWindowsTest, GermanyMapDrawsBordersTownsAndLabelFrame) {
    GermanyMapWindow map;
    EXPECT_EQ(map.windowTitle(), "Polaride Deutschlandkarte");
    map.mapArea()->resize(435, 300);  // the design size: map pixels are image pixels
    ASSERT_TRUE(map.DrawMap());
    const Canvas& canvas = map.mapCanvas();
    const auto& g = map.geometry();
    // A border point of the first stroke (6°, 50° to 7°, 50°) in yellow.
    const auto border = g.ToPixel(6.5, 50.0);
    EXPECT_EQ(canvas.PixelRgb(int(border.x), int(border.y)), 0xffff00);
    // Berlin is drawn unmagnified, Bonn only from five-fold on.
    const auto berlin = g.ToPixel(13.405, 52.52);
    EXPECT_EQ(canvas.PixelRgb(int(berlin.x) - 2, int(berlin.y)), 0xffffff);
    const auto bonn = g.ToPixel(7.098, 50.737);
    EXPECT_EQ(canvas.PixelRgb(int(bonn.x), int(bonn.y)), 0);
    const QImage& image = map.mapImage();
    EXPECT_TRUE(map.magnifyAction()->isVisible());
    EXPECT_FALSE(map.reduceAction()->isVisible());
    // The blue frame around the coordinate labels.
    const QRect labels = map.longitudeLabel()->geometry();
    EXPECT_EQ(image.pixel(labels.left() - 5, labels.top()) & 0xffffffu, 0x0000ffu);
}

// Whatever the window's size, the map keeps one scale for x and y (Germany keeps its
// proportions), and a click at the scaled position of a place picks that place.
TEST_F(PlaceWindowsTest, GermanyMapKeepsItsProportionsAndItsClicksAtEverySize) {
    GermanyMapWindow map;
    const double designRatio = map.geometry().xScale() / map.geometry().yScale();
    for (const QSize area : {QSize(435, 300), QSize(1600, 970), QSize(700, 1000)}) {
        map.mapArea()->resize(area);
        ASSERT_TRUE(map.DrawMap());
        EXPECT_DOUBLE_EQ(map.geometry().xScale() / map.geometry().yScale(), designRatio);
        const QTransform& mapping = map.mapCanvas().Mapping();
        EXPECT_DOUBLE_EQ(mapping.m11(), mapping.m22()) << area.width();
        EXPECT_DOUBLE_EQ(mapping.m11(), std::min(area.width() / 435.0, area.height() / 300.0));
    }
    map.show();
    map.mapArea()->resize(1600, 970);
    const auto near = map.geometry().ToPixel(7.098, 50.737);  // Bonn, within reach of Köln
    const QPointF at = map.mapCanvas().Mapping().map(QPointF(int(near.x) + 0.5, int(near.y) + 0.5));
    dialogs->AnswerInput("K\u00f6ln");
    QMouseEvent click(QEvent::MouseButtonPress, at, QPointF(), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(map.mapArea(), &click);
    const auto inputs = dialogs->CallsOf(DialogKind::Input);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].proposed, "K\u00f6ln");
}

TEST_F(PlaceWindowsTest, GermanyMapClickSnapsToTheFirstNearbyTown) {
    GermanyMapWindow map;
    map.show();
    const auto near = map.geometry().ToPixel(7.098, 50.737);  // Bonn, within reach of Köln
    map.PointerAt(int(near.x), int(near.y));
    EXPECT_TRUE(map.longitudeLabel()->text().startsWith("geographische Länge: 7."));
    dialogs->AnswerInput("K\u00f6ln am Rhein");
    map.ClickAt(int(near.x), int(near.y));
    const auto inputs = dialogs->CallsOf(DialogKind::Input);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].caption, "Ort ändern");
    EXPECT_EQ(inputs[0].proposed, "K\u00f6ln");
    EXPECT_FALSE(map.isVisible());
    ExpectRedrawnAt("K\u00f6ln am Rhein", 6.96, 50.938);
}

TEST_F(PlaceWindowsTest, GermanyMapWithoutTownTakesThePointerAndMayTakeAnEmptyName) {
    GermanyMapWindow map;
    map.show();
    const int x = 10, y = 280;  // far south-west: no town near
    const auto place = map.geometry().ToDegrees(x, y);
    dialogs->AnswerInput("");
    map.ClickAt(x, y);
    EXPECT_EQ(dialogs->CallsOf(DialogKind::Input).at(0).proposed, "");
    ExpectRedrawnAt("", place.longitudeDeg, place.latitudeDeg);
}

TEST_F(PlaceWindowsTest, GermanyMapCancelChangesNothing) {
    GermanyMapWindow map;
    map.show();
    map.ClickAt(100, 100);
    EXPECT_TRUE(map.isVisible());
    EXPECT_TRUE(drawings.empty());
    EXPECT_EQ(Place().placeName, "Sonneberg");
}

TEST_F(PlaceWindowsTest, GermanyMapFrameMagnifiesAndReduces) {
    GermanyMapWindow map;
    map.show();
    map.DrawMap();
    const QImage plain = map.mapImage().copy();
    map.PointerAt(100, 100);
    map.magnifyAction()->trigger();
    EXPECT_TRUE(map.inFrameMode());
    map.PointerAt(200, 150);
    // The frame follows the pointer: the old one is gone, the new one is drawn.
    const int hw = 435 / 10;
    const QPoint oldEdge = map.mapCanvas().ToDevice(100 - hw, 100);
    const QPoint newEdge = map.mapCanvas().ToDevice(200 - hw, 150);
    EXPECT_EQ(map.mapImage().pixel(oldEdge), plain.pixel(oldEdge));
    EXPECT_NE(map.mapImage().pixel(newEdge), plain.pixel(newEdge));
    map.ClickAt(200, 150);
    EXPECT_FALSE(map.inFrameMode());
    EXPECT_EQ(map.geometry().zoom(), 5);
    EXPECT_TRUE(map.reduceAction()->isVisible());
    EXPECT_TRUE(map.magnifyAction()->isVisible());
    EXPECT_TRUE(drawings.empty()) << "a click in frame mode picks no place";

    map.StartFrameMode();
    map.ClickAt(300, 100);
    EXPECT_EQ(map.geometry().zoom(), 25);
    EXPECT_FALSE(map.magnifyAction()->isVisible());
    const double cx = map.geometry().centreX();
    const double cy = map.geometry().centreY();
    map.reduceAction()->trigger();
    EXPECT_EQ(map.geometry().zoom(), 5);
    EXPECT_DOUBLE_EQ(map.geometry().centreX(), cx);
    EXPECT_DOUBLE_EQ(map.geometry().centreY(), cy);
    map.ReduceMap();
    EXPECT_EQ(map.geometry().zoom(), 1);
    EXPECT_FALSE(map.reduceAction()->isVisible());
    EXPECT_TRUE(dialogs->Messages().isEmpty());
}

TEST_F(PlaceWindowsTest, GermanyMapMissingFilesAreReportedAndNothingTaken) {
    std::filesystem::remove(dir / "Staedte");
    GermanyMapWindow map;
    EXPECT_FALSE(map.DrawMap());
    map.ClickAt(100, 100);
    EXPECT_EQ(dialogs->Messages().size(), 2);
    EXPECT_TRUE(dialogs->CallsOf(DialogKind::Input).empty());
    EXPECT_TRUE(drawings.empty());
}

}  // namespace

namespace {

// The shipped data files in a working folder of their own.
class ShippedPlaceDataTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetObserverRecords();
        ResetChartView();
        for (const char* name : {"ORTE", "Grenzen", "Staedte", "welt.bmp"}) {
            if (!std::filesystem::exists(testsupport::DataPath(name)))
                GTEST_SKIP() << name << " missing";
            std::filesystem::copy_file(testsupport::DataPath(name), dir / name);
        }
    }
    void TearDown() override { ResetObserverRecords(); }

    testsupport::TempDir dir;
    testsupport::ScopedWorkingDir cwd{dir.path()};
    testsupport::ScopedScriptedDialogs dialogs;
};

TEST_F(ShippedPlaceDataTest, PlaceListReadsEveryLineAndEveryRowConverts) {
    PlaceListWindow list;
    const std::size_t lines = location::ReadPlaceFile("ORTE").size();
    EXPECT_GT(lines, 10u);
    EXPECT_EQ(list.grid()->rowCount(), static_cast<int>(lines));
    for (const auto& row : list.rows()) EXPECT_NO_THROW(location::PlaceOfRow(row)) << row[3];
    EXPECT_TRUE(dialogs->Messages().isEmpty());
}

TEST_F(ShippedPlaceDataTest, MapsDrawWithoutErrors) {
    WorldMapWindow world;
    EXPECT_TRUE(world.DrawMap());
    EXPECT_EQ(world.mapImage().size(), QSize(622, 301));
    GermanyMapWindow germany;
    germany.mapArea()->resize(870, 600);  // the map at twice its design size
    EXPECT_TRUE(germany.DrawMap());
    int yellow = 0;
    const QImage& image = germany.mapImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            yellow += (image.pixel(x, y) & 0xffffffu) == 0xffff00u;
    EXPECT_GT(yellow, 1000) << "the borders are drawn";
    EXPECT_TRUE(dialogs->Messages().isEmpty());
}

}  // namespace

namespace {

// With the zoom window active the ephemeris is updated for the new place and the zoom
// chart drawn; the main chart is left alone.
TEST_F(PlaceWindowsTest, ZoomViewIsUpdatedForTheNewPlace) {
    for (const auto& entry : std::filesystem::directory_iterator(testsupport::DataPath(""))) {
        const auto target = dir / entry.path().filename().string();
        if (entry.is_regular_file() && !std::filesystem::exists(target))
            std::filesystem::copy_file(entry.path(), target);
    }
    if (!std::filesystem::exists(dir / "STERNKAT")) GTEST_SKIP() << "sky data files missing";
    std::vector<double> siderealAtZoomDrawing;
    SetZoomChartRedraw(
        [&siderealAtZoomDrawing] { siderealAtZoomDrawing.push_back(Shown().siderealHours); });
    ChartView().zoomFactor = 4;
    Shown().siderealHours = -1.0;
    PlaceEntryDialog entry;
    entry.show();
    entry.nameField()->setText("Tokio");
    entry.longitudeField()->setText("139.69");
    entry.latitudeField()->setText("35.69");
    entry.okButton()->click();
    SetZoomChartRedraw({});
    EXPECT_TRUE(dialogs->Messages().isEmpty()) << dialogs->Messages().join("; ").toStdString();
    EXPECT_TRUE(drawings.empty());
    ASSERT_EQ(siderealAtZoomDrawing.size(), 1u);
    // The local apparent sidereal time of the new place.
    EXPECT_NEAR(siderealAtZoomDrawing[0],
                LocalApparentSiderealHours(FrameOfDateAt(Shown().currentJD), 139.69), 1e-9);
    EXPECT_TRUE(Shown().timeChanged) << "the zoom drawing recomputes the satellites";
    EXPECT_FALSE(entry.isVisible());
}

TEST_F(PlaceWindowsTest, ZoomViewUpdateStoppedByAMissingFileIsReported) {
    int zoomDrawings = 0;
    SetZoomChartRedraw([&zoomDrawings] { ++zoomDrawings; });
    ChartView().zoomFactor = 2;
    PlaceEntryDialog entry;
    entry.nameField()->setText("Tokio");
    entry.longitudeField()->setText("139.69");
    entry.latitudeField()->setText("35.69");
    entry.TakeOver();
    SetZoomChartRedraw({});
    EXPECT_EQ(dialogs->Messages().size(), 1);
    EXPECT_EQ(zoomDrawings, 0);
    EXPECT_EQ(Place().placeName, "Tokio");
}

}  // namespace
