// Start-up of the program's window set and the main window frame: order, captions,
// menu bar with entries, separators, check marks and enabled states, "Autor",
// "Parameter", "Beenden" (of the main and the zoom window) and "Abbrechen".
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <filesystem>

#include "app/program.h"
#include "catalog/settings_file.h"
#include "chart/chart_view.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "satellite/loaded_elements.h"
#include "satellite/magnitude_table.h"
#include "satellite/satellite_table.h"
#include "support/observer_records.h"
#include "support/test_paths.h"
#include "support/ui/scripted_dialogs.h"
#include "ui/common/clock.h"
#include "ui/common/windows.h"
#include "ui/places/observer_dialog.h"
#include "ui/sky/main_window.h"
#include "ui/sky/zoom_window.h"

namespace {

const std::string kIssLine1 =
    "1 25544U 98067A   26117.36127981  .00010360  00000+0  19594-3 0  9994";
const std::string kIssLine2 =
    "2 25544  51.6320 191.6695 0007016 356.2195   3.8740 15.48988133563872";

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::HasSubstr;
using testsupport::DialogKind;

const char* const kSettings =
    "Sonneberg\r\n11.19\r\n50.38\r\n640\r\n "
    "MEZ\r\n1\r\n5\r\n\r\n3\r\n\r\n1\r\n10\r\n-5\r\n6\r\n11100\r\n10100\r\n"
    "Iridium\r\n0\r\n\r\n\r\n10000000000\r\n0\r\n180\r\n";

// A working folder with the shipped data files and a known settings file.
class ProgramTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetObserverRecords();
        ResetChartView();
        ResetSettings();
        ResetMagnitudeTable();
        for (const auto& entry : fs::directory_iterator(testsupport::DataPath("")))
            if (entry.is_regular_file())
                fs::copy_file(entry.path(), dir / entry.path().filename().string());
        testsupport::WriteTextFile(dir / "polaride.cfg", kSettings);
    }
    void TearDown() override {
        ResetObserverRecords();
        ResetChartView();
        ResetSettings();
        ResetMagnitudeTable();
    }

    std::string SettingsFileText() const { return testsupport::ReadTextFile(dir / "polaride.cfg"); }

    testsupport::TempDir dir;
    testsupport::ScopedScriptedDialogs dialogs;
};

const std::vector<std::string> kCreationOrder = {
    "MainWindow",           "ZoomWindow",           "NamedStarWindow",
    "WorldMapWindow",       "GermanyMapWindow",     "PlaceEntryDialog",
    "GoToEquatorialDialog", "GoToHorizontalDialog", "SatelliteSelectionWindow",
    "SatelliteInfoWindow",  "PassDialog",           "PassListWindow",
    "PlaceListWindow",      "ObserverDialog",       "GroundTrackWindow",
    "OrbitClassWindow",     "ElementUpdateDialog",  "TransitDialog",
    "TransitListWindow"};

std::vector<std::string> ClassesOf(const ProgramWindows& windows) {
    std::vector<std::string> classes;
    for (QWidget* window : windows.creationOrder())
        classes.push_back(window->metaObject()->className());
    return classes;
}

// The entries of a menu, separators as "-", checkable entries marked "[x]" / "[ ]",
// disabled ones "(disabled)".
std::vector<std::string> Entries(QMenu* menu) {
    std::vector<std::string> entries;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            entries.push_back("-");
            continue;
        }
        std::string text = action->text().toStdString();
        if (action->isCheckable()) text += action->isChecked() ? " [x]" : " [ ]";
        if (!action->isEnabled()) text += " (disabled)";
        entries.push_back(text);
    }
    return entries;
}

TEST_F(ProgramTest, WindowsAreCreatedHiddenInTheFixedOrder) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    ProgramWindows windows;

    EXPECT_EQ(ClassesOf(windows), kCreationOrder);
    for (QWidget* window : windows.creationOrder())
        EXPECT_FALSE(window->isVisible()) << window->metaObject()->className();
    const Windows& w = AppWindows();
    const std::vector<QWidget*> registered = {
        reinterpret_cast<QWidget*>(w.mainWindow),
        reinterpret_cast<QWidget*>(w.zoomWindow),
        reinterpret_cast<QWidget*>(w.namedStarWindow),
        reinterpret_cast<QWidget*>(w.worldMapWindow),
        reinterpret_cast<QWidget*>(w.germanyMapWindow),
        reinterpret_cast<QWidget*>(w.placeEntryDialog),
        reinterpret_cast<QWidget*>(w.goToEquatorialDialog),
        reinterpret_cast<QWidget*>(w.goToHorizontalDialog),
        reinterpret_cast<QWidget*>(w.satelliteSelectionWindow),
        reinterpret_cast<QWidget*>(w.satelliteInfoWindow),
        reinterpret_cast<QWidget*>(w.passDialog),
        reinterpret_cast<QWidget*>(w.passListWindow),
        reinterpret_cast<QWidget*>(w.placeListWindow),
        reinterpret_cast<QWidget*>(w.observerDialog),
        reinterpret_cast<QWidget*>(w.groundTrackWindow),
        reinterpret_cast<QWidget*>(w.orbitClassWindow)};
    for (size_t i = 0; i < registered.size(); ++i)
        EXPECT_EQ(static_cast<void*>(registered[i]), static_cast<void*>(windows.creationOrder()[i]))
            << i;
    for (QWidget* window : windows.creationOrder())
        EXPECT_FALSE(window->windowTitle().isEmpty()) << window->metaObject()->className();
    EXPECT_EQ(w.mainWindow->windowTitle(), "Polaride");
    EXPECT_TRUE(dialogs->Messages().isEmpty()) << dialogs->Messages().join("\n").toStdString();
}

// At the program's start the main window comes alone; the others follow in the same order.
TEST_F(ProgramTest, TheOtherWindowsCanFollowTheMainWindow) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    ProgramWindows windows(ProgramWindows::Creation::MainWindowFirst);
    EXPECT_EQ(ClassesOf(windows), std::vector<std::string>{"MainWindow"});
    EXPECT_EQ(AppWindows().zoomWindow, nullptr);
    windows.CreateRemainingWindows();
    windows.CreateRemainingWindows();  // once only
    EXPECT_EQ(ClassesOf(windows), kCreationOrder);
    EXPECT_NE(AppWindows().elementUpdateDialog, nullptr);
}

TEST_F(ProgramTest, RegistryIsEmptiedWhenTheWindowsGo) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    {
        ProgramWindows windows;
        ASSERT_NE(AppWindows().mainWindow, nullptr);
    }
    EXPECT_EQ(AppWindows().mainWindow, nullptr);
    EXPECT_EQ(AppWindows().orbitClassWindow, nullptr);
    EXPECT_EQ(AppWindows().observerDialog, nullptr);
}

TEST_F(ProgramTest, StartRemovesTheTemporaryFileOfAKilledSettingsWrite) {
    const pid_t writer = fork();
    if (writer == 0) _exit(0);
    waitpid(writer, nullptr, 0);
    const fs::path stale = dir / (".polaride.cfg.polaride-tmp-" + std::to_string(writer) + "-0");
    testsupport::WriteTextFile(stale, "Sonneb");
    testsupport::ScopedWorkingDir cwd(dir.path());
    ProgramWindows windows;
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_EQ(SettingsFileText(), kSettings);
}

TEST_F(ProgramTest, MainWindowCreationBuildsTheObserverRecords) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    ObserverRecords before;
    before.zoneOffsetHours = 1.0;
    SetInstantFromClock(before, before, QDateTime::currentDateTime());
    ProgramWindows windows;
    ObserverRecords after;
    after.zoneOffsetHours = 1.0;
    SetInstantFromClock(after, after, QDateTime::currentDateTime());

    EXPECT_EQ(Place().placeName, "Sonneberg");
    EXPECT_DOUBLE_EQ(Place().longitudeDeg, 11.19);
    EXPECT_DOUBLE_EQ(Place().sinLatitude, std::sin(50.38 * kPi / 180));
    EXPECT_DOUBLE_EQ(Place().cosLatitude, std::cos(50.38 * kPi / 180));
    EXPECT_EQ(Place().zoneName, " MEZ");
    EXPECT_GE(Shown().currentJD, before.currentJD);
    EXPECT_LE(Shown().currentJD, after.currentJD);
    EXPECT_EQ(Shown().year, QDate::currentDate().year());
    EXPECT_EQ(ChartView().chartCentreX, 397);
    EXPECT_EQ(ChartView().chartCentreY, 220);
    EXPECT_EQ(ChartView().chartRadius, 206);
    EXPECT_EQ(ChartView().zoomFrameHalfHeight, 110);
    EXPECT_EQ(ChartView().zoomFrameHalfWidth, 158);
    EXPECT_EQ(ChartView().zoomFactor, 1);
    EXPECT_EQ(ElementFile().satelliteCount, 0);
    EXPECT_TRUE(ElementFile().elementFilePath.empty());
    EXPECT_TRUE(Shown().timeChanged);
    EXPECT_EQ(Shown().timeStepSeconds, 6);
    EXPECT_EQ(Tracking().trackedSatellite, -1);
    EXPECT_EQ(Shown().latestYear, 9999);
    EXPECT_TRUE(ViewOptions().showPlanetNames);
    EXPECT_FALSE(ViewOptions().showConstellationNames);
    EXPECT_TRUE(ViewOptions().showConstellationLines);
    EXPECT_FALSE(ViewOptions().showAltitudeLines);
    EXPECT_FALSE(ViewOptions().showZodiac);
    EXPECT_GT(MagnitudeTable().count, 0) << "SATMAG is loaded";
    EXPECT_LE(MagnitudeTable().count, kMagnitudeTableCapacity);
    EXPECT_EQ(BuildAboutText().rfind("Polaride 4.1.0e\r\n\r\n", 0), 0u);
}

TEST_F(ProgramTest, MenuBarEntriesSeparatorsAndStates) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    ProgramWindows windows;
    MainWindow* form = AppWindows().mainWindow;
    form->show();
    QApplication::processEvents();

    std::vector<std::string> titles;
    for (QAction* action : form->menuBar()->actions()) {
        titles.push_back(action->text().toStdString());
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    }
    EXPECT_THAT(titles, ElementsAre("Datei", "Zeit", "Ort", "Ansicht", "Satelliten", "Info"));

    EXPECT_THAT(Entries(form->fileMenu), ElementsAre("Drucken", "Beenden", "Abbrechen"));
    EXPECT_THAT(Entries(form->timeMenu),
                ElementsAre("+1 Stunde", "-1 Stunde", "nächster Tag", "voriger Tag", "neues Datum",
                            "neue Uhrzeit", "-", "Jetzt [ ]"));
    EXPECT_THAT(Entries(form->placeMenu),
                ElementsAre("Deutschland", "Weltkarte", "Ort eingeben", "Liste von Orten"));
    // Check marks from the display flags of line 16, "10100".
    EXPECT_THAT(
        Entries(form->viewMenu),
        ElementsAre("Drehen", "-", "Vergrößern", "Verkleinern (disabled)", "-", "Sternnamen",
                    "Planetennamen [x]", "Sternbildnamen [ ]", "Satellitennamen [x]", "-",
                    "Sternbildlinien [x]", "Höhenlinien [ ]", "Tierkreis [ ]"));
    EXPECT_THAT(
        Entries(form->satelliteMenu),
        ElementsAre("Datei laden", "Elemente aktualisieren…", "Bahnmodell", "Sat-Wahl (disabled)",
                    "Durchgänge berechnen (disabled)", "Durchgang zeigen (disabled)",
                    "Heute Nacht sichtbar", "Transite vor Sonne und Mond…"));
    EXPECT_THAT(Entries(form->orbitModelMenu), ElementsAre("SGP4/SDP4 [x]", "SGP (klassisch) [ ]"));
    EXPECT_THAT(Entries(form->infoMenu), ElementsAre("Autor", "Parameter"));
    EXPECT_EQ(form->fileMenu->title(), "Datei");
    EXPECT_EQ(form->satelliteMenu->title(), "Satelliten");
}

TEST_F(ProgramTest, MainWindowAppearance) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    ProgramWindows windows;
    MainWindow* form = AppWindows().mainWindow;
    form->showMaximized();
    QApplication::processEvents();
    EXPECT_EQ(form->windowTitle(), "Polaride");
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form->chartWidget()->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_TRUE(form->chartWidget()->autoFillBackground());
    // The menu bar keeps readable colours: its background is not the chart's black.
    const QImage bar = form->menuBar()->grab().toImage();
    ASSERT_FALSE(bar.isNull());
    EXPECT_NE(bar.pixelColor(bar.width() - 2, bar.height() / 2), QColor(Qt::black));
    EXPECT_EQ(ChartView().zoomFactor, 1);
}

TEST_F(ProgramTest, ShowingDrawsTheChartAndRepaintEnablesSatelliteSelection) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    ProgramWindows windows;
    MainWindow* form = AppWindows().mainWindow;
    int drawings = 0;
    int zoomCheckMarks = 0;
    form->drawChart = [&drawings] { ++drawings; };
    form->updateZoomCheckMarks = [&zoomCheckMarks] { ++zoomCheckMarks; };
    ChartView().zoomFactor = 4;
    form->show();
    QApplication::processEvents();
    EXPECT_EQ(drawings, 1);
    EXPECT_EQ(zoomCheckMarks, 1);
    EXPECT_EQ(ChartView().zoomFactor, 1);

    EXPECT_FALSE(form->selectSatellitesAction->isEnabled());
    form->chartWidget()->repaint();
    EXPECT_FALSE(form->selectSatellitesAction->isEnabled()) << "no satellites loaded";
    ElementFile().satelliteCount = 3;
    form->chartWidget()->repaint();
    EXPECT_TRUE(form->selectSatellitesAction->isEnabled());
    EXPECT_FALSE(form->computePassesAction->isEnabled());
}

TEST_F(ProgramTest, ChartMenusAreDisabledAndEnabledTogether) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    ProgramWindows windows;
    MainWindow* form = AppWindows().mainWindow;
    form->SetChartMenusEnabled(false);
    for (QMenu* menu :
         {form->fileMenu, form->timeMenu, form->placeMenu, form->viewMenu, form->satelliteMenu})
        EXPECT_FALSE(menu->menuAction()->isEnabled()) << menu->title().toStdString();
    EXPECT_TRUE(form->infoMenu->menuAction()->isEnabled());
    form->SetChartMenusEnabled(true);
    for (QMenu* menu :
         {form->fileMenu, form->timeMenu, form->placeMenu, form->viewMenu, form->satelliteMenu})
        EXPECT_TRUE(menu->menuAction()->isEnabled()) << menu->title().toStdString();
}

TEST_F(ProgramTest, AuthorShowsTheAboutTextCaptionedInfo) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    ProgramWindows windows;
    AppWindows().mainWindow->authorAction->trigger();
    const auto calls = dialogs->CallsOf(DialogKind::Message);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].caption, "Info");
    EXPECT_TRUE(calls[0].text.startsWith("Polaride 4.1.0e\r\n\r\n")) << calls[0].text.toStdString();
    EXPECT_GT(calls[0].text.count("\r\n"), 2) << "contact lines follow the empty line";
    EXPECT_TRUE(calls[0].text.endsWith("\r\n"));
}

TEST_F(ProgramTest, ParameterShowsTheParameterDialog) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    ProgramWindows windows;
    ASSERT_FALSE(reinterpret_cast<QWidget*>(AppWindows().observerDialog)->isVisible());
    AppWindows().mainWindow->parametersAction->trigger();
    EXPECT_TRUE(reinterpret_cast<QWidget*>(AppWindows().observerDialog)->isVisible());
    reinterpret_cast<QWidget*>(AppWindows().observerDialog)->hide();
}

TEST_F(ProgramTest, QuitWritesTheSettingsFile) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    {
        ProgramWindows windows;
        AppWindows().mainWindow->show();
        Place().placeName = "Bamberg";
        ViewOptions().showZodiac = true;
        Settings().elementFileName = R"(C:\bahn\iss.tle)";
        AppWindows().mainWindow->exitAction->trigger();
        EXPECT_FALSE(AppWindows().mainWindow->isVisible());
    }
    const std::string text = SettingsFileText();
    EXPECT_EQ(text.rfind("Bamberg\r\n11.19\r\n50.38\r\n640\r\n "
                         "MEZ\r\n1\r\n5\r\nC:\\bahn\\\r\n3\r\nC:\\bahn\\iss.tle\r\n",
                         0),
              0u)
        << text;
    EXPECT_THAT(text, HasSubstr("\r\n10101\r\n"));
    EXPECT_TRUE(dialogs->Messages().isEmpty());
}

TEST_F(ProgramTest, TheOrbitModelChosenInTheMenuPreparesTheSetsAndIsKept) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    {
        ProgramWindows windows;
        AppWindows().mainWindow->show();
        ASSERT_EQ(Satellites().orbitModel, OrbitModel::Sgp4);
        Satellites().AppendRow({"ISS", kIssLine1, kIssLine2});
        AppWindows().zoomWindow->sgpModelAction->trigger();
        EXPECT_EQ(Satellites().orbitModel, OrbitModel::Sgp);
        EXPECT_EQ(Satellites().OrbitOfRow(1).model, OrbitModel::Sgp);
        EXPECT_TRUE(AppWindows().mainWindow->sgpModelAction->isChecked());
        EXPECT_FALSE(AppWindows().zoomWindow->sgp4ModelAction->isChecked());
        AppWindows().mainWindow->exitAction->trigger();
    }
    EXPECT_THAT(SettingsFileText(), testing::EndsWith("\r\nBahnmodell=SGP\r\n"));
    ResetSatelliteTable();
    ProgramWindows again;
    AppWindows().mainWindow->show();
    EXPECT_EQ(Satellites().orbitModel, OrbitModel::Sgp);
    EXPECT_TRUE(AppWindows().mainWindow->sgpModelAction->isChecked());
}

TEST_F(ProgramTest, ZoomWindowQuitWritesTheSettingsFileAsTheMainWindowDoes) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    {
        ProgramWindows windows;
        AppWindows().mainWindow->show();
        ZoomWindow* zoom = AppWindows().zoomWindow;
        zoom->show();
        Place().placeName = "Coburg";
        EXPECT_EQ(zoom->exitAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        zoom->exitAction->trigger();
        EXPECT_FALSE(AppWindows().mainWindow->isVisible());
    }
    EXPECT_EQ(SettingsFileText().rfind("Coburg\r\n", 0), 0u);
}

TEST_F(ProgramTest, ClosingTheMainWindowWritesTheSettingsFile) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    ProgramWindows windows;
    AppWindows().mainWindow->show();
    Place().placeName = "Erfurt";
    AppWindows().mainWindow->close();
    EXPECT_EQ(SettingsFileText().rfind("Erfurt\r\n", 0), 0u);
}

TEST_F(ProgramTest, AbandonKeepsThePreviousSettingsFile) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    const std::string previous = SettingsFileText();
    {
        ProgramWindows windows;
        AppWindows().mainWindow->show();
        Place().placeName = "Leipzig";
        ViewOptions().limitingMagnitude = 3;
        AppWindows().mainWindow->abandonAction->trigger();
        // Whatever closes the windows afterwards does not write the file either.
        AppWindows().mainWindow->close();
    }
    EXPECT_EQ(SettingsFileText(), previous);
}

TEST_F(ProgramTest, MissingSettingsAndMagnitudeFilesAreReportedAndStartUpGoesOn) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    fs::remove(dir / "polaride.cfg");
    fs::remove(dir / "SATMAG");
    ProgramWindows windows;

    const QStringList messages = dialogs->Messages();
    ASSERT_GE(messages.size(), 2);
    EXPECT_THAT(messages[0].toStdString(), HasSubstr("polaride.cfg"));
    EXPECT_THAT(messages[1].toStdString(), HasSubstr("SATMAG"));
    ObserverRecords defaults;
    ApplyDefaultObserverSettings(defaults, defaults);
    EXPECT_EQ(Place().placeName, defaults.placeName);
    EXPECT_DOUBLE_EQ(Place().sinLatitude, defaults.sinLatitude);
    EXPECT_EQ(Shown().latestYear, 9999);
    EXPECT_EQ(MagnitudeTable().count, 0);
    EXPECT_EQ(AppWindows().mainWindow->windowTitle(), "Polaride");
}

}  // namespace
