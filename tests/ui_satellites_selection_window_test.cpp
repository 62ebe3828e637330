// The satellite selection window inside the program's window set: labels, arrows,
// filters with their messages and default buttons, orbit classes, printing to PDF,
// the commands, the settings lines 17-23, and the selected satellites on the chart.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSet>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/program.h"
#include "catalog/settings_file.h"
#include "chart/canvas.h"
#include "chart/chart_view.h"
#include "chart/ephemeris_update.h"
#include "chart/satellite_plot.h"
#include "chart/sky_chart.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"
#include "prediction/selection_model.h"
#include "prediction/selection_state.h"
#include "satellite/loaded_elements.h"
#include "satellite/magnitude_table.h"
#include "satellite/satellite_table.h"
#include "satellite/satellites_at_instant.h"
#include "support/observer_records.h"
#include "support/pdf_text.h"
#include "support/test_paths.h"
#include "support/ui/program_windows_test.h"
#include "ui/common/windows.h"
#include "ui/satellites/ground_track_window.h"
#include "ui/satellites/orbit_class_window.h"
#include "ui/satellites/pass_dialog.h"
#include "ui/satellites/satellite_info_window.h"
#include "ui/satellites/satellite_selection_window.h"
#include "ui/sky/main_window.h"
#include "ui/sky/main_window_interaction.h"

namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::HasSubstr;
using testsupport::DialogKind;

// Runs of blanks as one blank, blank lines and blanks at line ends dropped.
std::string Words(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == ' ' &&
            (out.empty() || out.back() == ' ' || out.back() == '\n' || out.back() == '\f'))
            continue;
        if ((c == '\n' || c == '\f') && !out.empty() && out.back() == ' ') out.pop_back();
        if (c == '\n' && (out.empty() || out.back() == '\n' || out.back() == '\f')) continue;
        out += c;
    }
    return out;
}
// Steps the instant in two-minute steps through two days from 21.01.2018 16:00 UT,
// computing the selected satellites, until `wanted` holds; false when it never does.
bool FindInstantWhere(const std::function<bool()>& wanted) {
    for (int step = 0; step < 1440; ++step) {
        Shown().currentJD = JulianDay1900(2018, 1, 21) + 16.0 / 24.0 + step * 2.0 / 1440.0;
        Shown().siderealHours = LocalSiderealTime(Place().longitudeDeg, Shown().currentJD);
        UpdateSunMoon(Place().cosLatitude, Place().sinLatitude, Place().longitudeDeg,
                      Shown().currentJD);
        ComputeSatellites();
        if (wanted()) return true;
    }
    return false;
}
int PdfPages(const std::string& text) {
    int pages = 0;
    for (char c : text) pages += c == '\f';
    return pages;
}

// The program's windows in a working folder with the settings, magnitude and element
// files; the element fixture loaded as "Datei laden" does.
class SelectionWindowTest : public testsupport::ProgramWindowsTest {
  protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        fs::copy_file(testsupport::FixturePath("selection/mixed-2018.tle"), dir / "mixed-2018.tle");
        StartWindows(dir.path());
        form = AppWindows().satelliteSelectionWindow;
        Load();
        dialogs->Clear();
    }

    void Load() {
        ElementFile().elementFilePath = (dir / "mixed-2018.tle").string();
        form->ClearSatelliteLists();
        const LoadResult result = LoadElementFile(
            {}, [this](const std::string& name) { form->AppendSatelliteName(name); });
        ASSERT_EQ(result.satelliteCount, 80);
        form->show();
    }

    QPushButton* Button(const char* name) const {
        return form->findChild<QPushButton*>(QLatin1String(name));
    }
    QStringList RightList() const {
        QStringList lines;
        auto* model = form->selectedList()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            lines << model->index(row, 0).data().toString();
        return lines;
    }
    // The name part of list lines (the first 24 characters without the padding).
    static QStringList NamesOf(const QStringList& lines) {
        QStringList names;
        for (const QString& line : lines) names << line.left(24).trimmed();
        return names;
    }
    QStringList AllList() const {
        QStringList lines;
        auto* model = form->allList()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            lines << model->index(row, 0).data().toString();
        return lines;
    }
    void Mark(QListView* list, std::initializer_list<int> rows) {
        for (int row : rows)
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select);
    }
    bool PassMenuEnabled() const {
        return AppWindows().mainWindow->computePassesAction->isEnabled();
    }

    SatelliteSelectionWindow* form = nullptr;
};

TEST_F(SelectionWindowTest, ShownWithCountsFileNameAndHint) {
    EXPECT_EQ(form->windowTitle(), "Polaride - Satwahl");
    EXPECT_EQ(form->countLabel()->text(), "80 Satelliten");
    EXPECT_EQ(form->selectedLabel()->text(), "0 Satelliten");
    EXPECT_EQ(form->fileLabel()->text(), "mixed-2018.tle");
    EXPECT_EQ(form->hintLabel()->text(), "Sat-Info mit Doppelklick auf Sat-Namen");
    EXPECT_EQ(form->allList()->model()->rowCount(), 80);
    EXPECT_EQ(NamesOf(AllList()).first(), "ATLAS CENTAUR 2");
    EXPECT_FALSE(ChartView().zoomMayClose);
}

TEST_F(SelectionWindowTest, ArrowsMoveMarkedSatellites) {
    Mark(form->allList(), {9, 2, 5});
    form->AddMarked();
    EXPECT_THAT(NamesOf(RightList()), ElementsAre("SL-3 R/B", "OAO 2", "SL-3 R/B"));
    EXPECT_EQ(form->selectedLabel()->text(), "3 Satelliten");
    EXPECT_TRUE(form->allList()->selectionModel()->selectedIndexes().isEmpty());

    Mark(form->allList(), {9, 2, 5});  // the same marks again add nothing
    form->AddMarked();
    EXPECT_EQ(RightList().size(), 3);

    Tracking().trackedSatellite = 1;
    Mark(form->selectedList(), {0, 2});
    form->RemoveMarked();
    EXPECT_THAT(NamesOf(RightList()), ElementsAre("OAO 2"));
    EXPECT_EQ(form->selectedLabel()->text(), "1 Satellit");
    EXPECT_EQ(Tracking().trackedSatellite, -1);
    EXPECT_TRUE(SelectionInvariantHolds());
}

TEST_F(SelectionWindowTest, AllAndNoneUpdateTheCount) {
    form->SelectAll();
    EXPECT_EQ(RightList().size(), 80);
    EXPECT_EQ(form->selectedLabel()->text(), "80 Satelliten");
    form->RemoveAll();
    EXPECT_TRUE(RightList().isEmpty());
    EXPECT_EQ(form->selectedLabel()->text(), "0 Satelliten");
    EXPECT_TRUE(SelectionInvariantHolds());
}

TEST_F(SelectionWindowTest, NameFilterFromTheField) {
    form->nameField()->setText("Iridium");
    form->NameFilter();
    ASSERT_EQ(RightList().size(), 12);
    for (const QString& line : RightList())
        EXPECT_TRUE(line.startsWith("IRIDIUM")) << line.toStdString();
    form->NameFilter();
    EXPECT_EQ(RightList().size(), 12);
}

TEST_F(SelectionWindowTest, NameFilterFindsAPartOfTheNameAndTheCatalogueNumber) {
    for (const char* text : {"zarya", "25544"}) {
        form->RemoveAll();
        form->nameField()->setText(text);
        form->NameFilter();
        ASSERT_EQ(RightList().size(), 1) << text;
        EXPECT_EQ(NamesOf(RightList()).first(), "ISS (ZARYA)") << text;
        EXPECT_TRUE(RightList().first().endsWith(" 25544")) << text;
    }
}

TEST_F(SelectionWindowTest, SetsOfTheSameNameShowTheirOwnNumbers) {
    const QStringList all = AllList();
    QStringList sameName;
    for (const QString& line : all)
        if (line.left(24).trimmed() == "SL-3 R/B") sameName << line;
    ASSERT_GE(sameName.size(), 2);
    EXPECT_EQ(QSet<QString>(sameName.begin(), sameName.end()).size(), sameName.size());
    for (int k = 0; k < all.size(); ++k) {
        const std::string line1 = Satellites().Row(k + 1).line1;
        EXPECT_TRUE(all[k].endsWith(" " + QString::number(std::stoi(line1.substr(2, 5)))));
    }
}

TEST_F(SelectionWindowTest, RequiredBoundsShowTheirMessages) {
    form->perigeeMaxField()->clear();
    form->PerigeeFilter();
    form->apogeeMinField()->clear();
    form->ApogeeFilter();
    form->inclinationMinField()->setText("abc");
    form->InclinationFilter();
    EXPECT_THAT(dialogs->Messages(),
                ElementsAre("Perigäumshöhe fehlt|Die maximale Perigäumshöhe muß angegeben werden",
                            "Apogäumshöhe fehlt|Die minimale Apogäumshöhe muß angegeben werden",
                            "Polaride|'abc' ist kein gültiger Gleitkommawert"));
    EXPECT_TRUE(RightList().isEmpty());

    form->perigeeMaxField()->setText("500");
    form->PerigeeFilter();
    EXPECT_FALSE(RightList().isEmpty());
    EXPECT_EQ(dialogs->Messages().size(), 3);
}

TEST_F(SelectionWindowTest, EnteringAFieldMakesItsFilterTheDefault) {
    const std::pair<QLineEdit*, const char*> cases[] = {
        {form->nameField(), "nameFilterButton"},
        {form->perigeeMinField(), "perigeeFilterButton"},
        {form->perigeeMaxField(), "perigeeFilterButton"},
        {form->apogeeMinField(), "apogeeFilterButton"},
        {form->apogeeMaxField(), "apogeeFilterButton"},
        {form->inclinationMinField(), "inclinationFilterButton"},
        {form->inclinationMaxField(), "inclinationFilterButton"}};
    for (const auto& [field, button] : cases) {
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(field, &focus);
        ASSERT_EQ(form->defaultButton(), Button(button)) << field->objectName().toStdString();
        EXPECT_TRUE(Button(button)->isDefault());
    }
    // Return in the window runs the default button: the inclination filter.
    form->inclinationMinField()->setText("86");
    form->inclinationMaxField()->setText("87");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(form, &enter);
    EXPECT_EQ(RightList().size(), 12);  // the Iridium plane
}

TEST_F(SelectionWindowTest, OrbitClassAsksForTheDriftAndSetsTheListCaption) {
    Shown().currentJD = JulianDay1900(2018, 1, 21);
    dialogs->AnswerInput("0.1");
    form->Geosync();
    dialogs->AnswerInput("-0.5");
    form->Molniya();
    const auto inputs = dialogs->CallsOf(DialogKind::Input);
    ASSERT_EQ(inputs.size(), 2u);
    EXPECT_EQ(inputs[0].caption, "maximale Drift");
    EXPECT_EQ(inputs[0].text, "Bitte maximale Drift (Grad/Tag) eingeben:");
    EXPECT_EQ(inputs[0].proposed, "0.1");
    EXPECT_EQ(inputs[1].proposed, "0.01");
    EXPECT_DOUBLE_EQ(Selection().driftLimitDegDay, 0.5);
    const int count = Satellites().selectedCount;
    ASSERT_GT(count, 7);
    EXPECT_EQ(static_cast<QWidget*>(AppWindows().orbitClassWindow)->windowTitle(),
              QString("Molniya Satelliten (%1)").arg(count));

    dialogs->AnswerInput("0.1");
    form->Sunsync();
    EXPECT_EQ(static_cast<QWidget*>(AppWindows().orbitClassWindow)->windowTitle(),
              QString("Sonnensynchrone Satelliten (%1)").arg(Satellites().selectedCount));
    EXPECT_GT(Satellites().selectedCount, count);

    dialogs->AnswerInput("viel");
    form->Geosync();
    EXPECT_THAT(dialogs->Messages(),
                ElementsAre("Polaride|'viel' ist kein gültiger Gleitkommawert"));
}

TEST_F(SelectionWindowTest, PrintingFiftyAndFiftyOneSatellites) {
    form->PrintList();
    EXPECT_THAT(dialogs->Messages(),
                ElementsAre("Auswahl-Box leer|Es sind keine Satelliten ausgewählt"));
    EXPECT_TRUE(dialogs->CallsOf(DialogKind::Print).empty());

    for (int count : {50, 51}) {
        RemoveAllRows();
        for (int row = 1; row <= count; ++row) AddToSelection(row);
        form->RefreshLists();
        const fs::path pdf = dir / ("liste" + std::to_string(count) + ".pdf");
        dialogs->AnswerPrint(QString::fromStdString(pdf.string()));
        form->PrintList();
        ASSERT_TRUE(fs::exists(pdf));
        const std::string text = testsupport::PdfText(pdf);
        if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
        EXPECT_EQ(PdfPages(text), count == 50 ? 1 : 2);
        // The text extractor keeps the words and their order, not the exact spacing.
        const std::string words = Words(text);
        EXPECT_THAT(words,
                    HasSubstr("Bez Name incl e Periode Perig. Apog. mag\n(Grad) (Min) (km) (km)\n"
                              "00694 ATLAS CENTAUR 2 30.4 0.0587 102.7 459 1313 3.5\n"
                              "00733 THOR AGENA D R/B 99.1 0.0033 100.5 760 808 5.0\n"));
        EXPECT_THAT(words, HasSubstr("12585 METEOR PRIRODA 97.5 0.0015 94.7 493 514 6.0\n"));
        if (count == 51) {
            // The 51st satellite alone on the second page, under the headings.
            const std::string second = words.substr(words.find('\f') + 1);
            EXPECT_EQ(second,
                      "Bez Name incl e Periode Perig. Apog. mag\n(Grad) (Min) (km) (km)\n"
                      "12904 SL-3 R/B 81.2 0.0030 95.7 530 571 5.0\n\f");
        }
    }
}

TEST_F(SelectionWindowTest, EmptySelectionRefusesMapAndPasses) {
    AppWindows().mainWindow->computePassesAction->setEnabled(true);
    form->WorldMap();
    form->Passes();
    EXPECT_THAT(dialogs->Messages(),
                ElementsAre("Auswahl-Box leer|Es sind keine Satelliten ausgewählt",
                            "Auswahl-Box leer|Es sind keine Satelliten ausgewählt"));
    EXPECT_FALSE(PassMenuEnabled());
    EXPECT_FALSE(static_cast<QWidget*>(AppWindows().groundTrackWindow)->isVisible());
    EXPECT_FALSE(static_cast<QWidget*>(AppWindows().passDialog)->isVisible());
}

TEST_F(SelectionWindowTest, PassesAndWorldMapWithASelection) {
    AddToSelection(3);
    form->RefreshLists();
    form->Passes();
    EXPECT_TRUE(PassMenuEnabled());
    EXPECT_TRUE(static_cast<QWidget*>(AppWindows().passDialog)->isVisible());
    form->WorldMap();
    EXPECT_TRUE(static_cast<QWidget*>(AppWindows().groundTrackWindow)->isVisible());
    for (const QString& message : dialogs->Messages())
        EXPECT_FALSE(message.startsWith("Auswahl-Box leer"));
}

TEST_F(SelectionWindowTest, OkAndHidingSetTimeChangedAndThePassMenu) {
    AddToSelection(1);
    form->RefreshLists();
    Shown().timeChanged = false;
    form->Ok();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(Shown().timeChanged);
    EXPECT_TRUE(PassMenuEnabled());

    form->show();
    form->RemoveAll();
    Shown().timeChanged = false;
    form->close();
    EXPECT_TRUE(Shown().timeChanged);
    EXPECT_FALSE(PassMenuEnabled());
}

// "OK" after the selection changed shows the chart with the new selection at once:
// "alle löschen" left the satellites on the chart until "n" was pressed.
TEST_F(SelectionWindowTest, OkDrawsTheChartWithTheChangedSelection) {
    for (const char* file : {"STERNKAT", "SLINIEN", "SNAMEN", "NEBEL", "ASTEROID.TXT", "KOMET"})
        fs::copy_file(testsupport::DataPath(file), dir / file);
    // An instant with a satellite bright enough for the main chart above Berlin.
    SelectAllRows();
    ASSERT_TRUE(FindInstantWhere([] {
        for (int k = 1; k <= Satellites().selectedCount; ++k)
            if (Satellites().chartX[k] > 0.0 && Satellites().chartMagnitude[k] < 4.5) return true;
        return false;
    }));
    AppWindows().mainWindow->show();
    form->Ok();
    const QImage selected = MainChartCanvas()->Image().copy();
    form->show();
    form->RemoveAll();
    form->Ok();
    const QImage afterOk = MainChartCanvas()->Image().copy();
    EXPECT_FALSE(afterOk == selected) << "the satellites are gone from the chart";
    Shown().timeChanged = true;
    AppWindows().mainWindow->DrawChart();  // what "n" shows
    EXPECT_TRUE(MainChartCanvas()->Image() == afterOk);
    EXPECT_TRUE(dialogs->Messages().isEmpty()) << dialogs->Messages().join("\n").toStdString();
}

TEST_F(SelectionWindowTest, FilterFieldsComeFromAndGoToTheSettingsLines) {
    // Created with the fields of the settings file (design defaults in the shipped file).
    EXPECT_THAT(form->FilterFieldTexts(),
                ElementsAre("Iridium", "0", "", "", "10000000000", "0", "180"));
    form->nameField()->setText("NOAA");
    form->perigeeMaxField()->setText("900");
    form->inclinationMaxField()->setText("99.5");
    Place().zoneRule.clear();  // a fixed zone: no named entry after the 23 lines
    ASSERT_TRUE(WriteSettingsFile("saved.cfg", Place(), ViewOptions(), Shown().currentJD, Settings()));
    std::string text = testsupport::ReadTextFile(dir / "saved.cfg");
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        lines.push_back(text.substr(start, end - start));
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_THAT(std::vector<std::string>(lines.begin() + 16, lines.end()),
                ElementsAre("NOAA", "0", "900", "", "10000000000", "0", "99.5"));

    // A new selection window reads lines 17-23 as stored.
    SelectionFilterFields().namePrefix = "COSMOS";
    SelectionFilterFields().apogeeMin = "20000";
    SatelliteSelectionWindow another;
    EXPECT_THAT(another.FilterFieldTexts(),
                ElementsAre("COSMOS", "0", "900", "20000", "10000000000", "0", "99.5"));
}

TEST_F(SelectionWindowTest, DoubleClicksOpenTheInformationForTheRightSource) {
    form->nameField()->setText("ISS");
    form->NameFilter();
    form->ShowInfoForTableRow(72);
    SatelliteInfoWindow* info = AppWindows().satelliteInfoWindow;
    EXPECT_TRUE(info->isVisible());
    EXPECT_FALSE(Selection().infoFromSelection);
    EXPECT_EQ(info->windowTitle(), "Satinfo   73/80");
    EXPECT_EQ(info->pageLines()[0], " ISS (ZARYA)             ");

    form->ShowInfoForSelection(0);
    EXPECT_TRUE(Selection().infoFromSelection);
    EXPECT_EQ(info->windowTitle(), "Satinfo   1/1");
    EXPECT_EQ(info->pageLines()[0], " ISS (ZARYA)             ");
}

TEST_F(SelectionWindowTest, ANewLoadEmptiesTheSelection) {
    form->SelectAll();
    form->ClearSatelliteLists();
    EXPECT_EQ(form->allList()->model()->rowCount(), 0);
    EXPECT_TRUE(RightList().isEmpty());
    EXPECT_TRUE(form->fileLabel()->text().isEmpty());
    Load();
    EXPECT_EQ(form->allList()->model()->rowCount(), 80);
    EXPECT_TRUE(RightList().isEmpty());
    EXPECT_TRUE(SelectionInvariantHolds());
}

TEST_F(SelectionWindowTest, AnOmmFileWithASixDigitNumberIsListedAndSelected) {
    ElementFile().elementFilePath = testsupport::FixturePath("satellite/omm-sample.csv").string();
    form->ClearSatelliteLists();
    ASSERT_EQ(LoadElementFile({}, [this](const std::string& name) { form->AppendSatelliteName(name); })
                  .satelliteCount,
              2);
    EXPECT_EQ(NamesOf(AllList()).last(), "ISS, RENUMBERED");
    form->SelectAll();
    EXPECT_EQ(RightList().size(), 2);
    EXPECT_EQ(SelectedCatalogNumbers(), (std::vector<double>{25544, 123456}));
}

// ---- the selected satellites on the main chart -------------------------------------

TEST(SelectionOnChartTest, SelectedSatellitesAppearAtTheNextDrawing) {
    testsupport::ScopedWorkingDir data(testsupport::DataPath(""));
    testsupport::ScopedScriptedDialogs dialogs;
    ResetObserverRecords();
    ResetSettings();
    ResetSatelliteTable();
    ResetSelectionState();
    ResetChartHooks();  // no hooks into windows of earlier tests
    ResetSunState();
    ResetMoonState();
    ApplyDefaultObserverSettings(Place(), ViewOptions());  // Berlin
    ChartView().setChartGeometry(648, 488);
    Shown().year = 2018;
    ElementFile().elementFilePath = testsupport::FixturePath("selection/mixed-2018.tle").string();
    ASSERT_TRUE(LoadMagnitudeTable("SATMAG"));

    SatelliteSelectionWindow form;
    form.ClearSatelliteLists();
    ASSERT_EQ(LoadElementFile({}, [&](const std::string& name) { form.AppendSatelliteName(name); })
                  .satelliteCount,
              80);

    // An evening near the epochs with a sunlit and a shadowed satellite brighter than
    // magnitude 5 above Berlin (searched with the satellite computation alone).
    SelectAllRows();
    const auto visible = [](bool shadow) {
        const SatelliteTable& t = Satellites();
        for (int k = 1; k <= t.selectedCount; ++k)
            if (t.chartX[k] > 0.0 && t.chartMagnitude[k] < 5.0 && (t.inShadow[k] == 1) == shadow)
                return true;
        return false;
    };
    ASSERT_TRUE(FindInstantWhere([&] { return visible(false) && visible(true); }));
    RemoveAllRows();
    form.show();

    Canvas before(640, 442, Qt::black);
    ASSERT_TRUE(DrawSkyChart(before));

    form.SelectAll();
    Shown().timeChanged = false;
    form.close();  // hiding asks for the satellites at the next drawing
    ASSERT_TRUE(Shown().timeChanged);
    Canvas after(640, 442, Qt::black);
    ASSERT_TRUE(DrawSkyChart(after));
    EXPECT_FALSE(Shown().timeChanged);

    // Each drawn satellite (brighter than magnitude 5 on the main chart) shows its
    // colour around its position; before the selection that colour was not there.
    const auto colourNear = [](const Canvas& canvas, int x, int y, long rgb) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (canvas.PixelRgb(x + dx, y + dy) == rgb) return true;
        return false;
    };
    int sunlit = 0, shadowed = 0;
    const SatelliteTable& table = Satellites();
    for (int k = 1; k <= table.selectedCount; ++k) {
        if (table.chartX[k] <= 0.0 || table.chartMagnitude[k] >= 5.0) continue;
        const int x = static_cast<int>(table.chartX[k]), y = static_cast<int>(table.chartY[k]);
        const long rgb = table.inShadow[k] ? 0xFF0000 : 0xFFFF00;
        EXPECT_TRUE(colourNear(after, x, y, rgb)) << "satellite " << k;
        EXPECT_FALSE(colourNear(before, x, y, rgb)) << "satellite " << k;
        (table.inShadow[k] ? shadowed : sunlit) += 1;
    }
    EXPECT_GT(sunlit, 0);    // the geostationary satellites over the equator
    EXPECT_GT(shadowed, 0);  // low satellites in the night
    ResetSatelliteTable();
    ResetSelectionState();
    ResetMagnitudeTable();
    ResetObserverRecords();
}

}  // namespace
