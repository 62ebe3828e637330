// "Heute Nacht sichtbar" against a local element server: the group file fetched once
// and tonight's passes listed, the file of the day used without a fetch, the present
// file used with a note when the server is down, and a loaded file's selection searched.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QTimeZone>
#include <filesystem>
#include <optional>
#include <set>

#include "catalog/settings_file.h"
#include "core/displayed_instant.h"
#include "prediction/night_window.h"
#include "prediction/pass_search.h"
#include "prediction/selection_model.h"
#include "satellite/loaded_elements.h"
#include "satellite/satellite_table.h"
#include "support/local_http_server.h"
#include "support/observer_place.h"
#include "support/test_paths.h"
#include "support/ui/program_windows_test.h"
#include "ui/common/windows.h"
#include "ui/satellites/pass_dialog.h"
#include "ui/satellites/pass_list_window.h"
#include "ui/satellites/tonight_passes.h"
#include "ui/sky/live_time.h"
#include "ui/sky/main_window.h"
#include "ui/sky/main_window_interaction.h"

namespace {

namespace fs = std::filesystem;

class TonightPassesTest : public testsupport::ProgramWindowsTest {
  protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        served = testsupport::ReadTextFile(testsupport::FixturePath("download/visual.tle"));
        server.emplace();
        server->SetDefault({200, served});
        url = server->BaseUrl();
    }
    // The program as started, in Berlin (summer time), running live on the evening the
    // served elements are of.
    void Start() {
        fs::remove(dir / "SATMAG");  // copied again by every start
        StartWindows(dir.path());
        Settings().elementServiceUrl = url;
        testsupport::PlaceObserverInBerlin(40, 2);
        LiveTime& live = AppWindows().mainWindow->liveTime();
        live.SetClock([] { return QDateTime(QDate(2026, 4, 22), QTime(18, 0), QTimeZone::utc()); });
        live.Resume();
        tonight = AppWindows().mainWindow->findChild<TonightPasses*>();
        ASSERT_NE(tonight, nullptr);
    }
    // The menu entry, waiting for its end; the chart keeps running live.
    void Click() {
        const JD1900 now = Shown().currentJD;
        AppWindows().mainWindow->tonightPassesAction->trigger();
        while (tonight->busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        EXPECT_TRUE(AppWindows().mainWindow->liveTime().IsLive());
        EXPECT_EQ(Shown().currentJD, now);
    }
    // The messages of the step (the chart's data files are not in the folder).
    std::vector<QString> Notes() {
        std::vector<QString> notes;
        for (const QString& message : dialogs->Messages())
            if (message.startsWith("Heute Nacht sichtbar|")) notes.push_back(message);
        return notes;
    }
    std::size_t Requests() const { return server ? server->Targets().size() : 0; }
    // Every listed pass lies in the night window of the search.
    static void ExpectTonight() {
        ASSERT_FALSE(PassList().passes.empty());
        for (const PassRecord& pass : PassList().Records()) {
            EXPECT_GE(pass.time, PassWindow().windowStart);
            EXPECT_LE(pass.time, PassWindow().windowEnd);
        }
        EXPECT_LT(PassWindow().windowEnd - PassWindow().windowStart, 0.5);
    }
    void WriteOldGroupFile(std::chrono::hours age) {
        testsupport::WriteTextFile(dir / "visual.tle", served);
        fs::last_write_time(dir / "visual.tle", fs::file_time_type::clock::now() - age);
    }

    std::optional<testsupport::LocalHttpServer> server;
    std::string served, url;
    TonightPasses* tonight = nullptr;
};

TEST_F(TonightPassesTest, TheFirstClickFetchesTheGroupOnceAndListsTonightsPasses) {
    Start();
    EXPECT_TRUE(AppWindows().mainWindow->tonightPassesAction->isEnabled());
    Click();
    EXPECT_EQ(Requests(), 1u);
    EXPECT_EQ(testsupport::ReadTextFile(dir / "visual.tle"), served);
    EXPECT_EQ(Satellites().selectedCount, 2);
    ExpectTonight();
    EXPECT_TRUE(Notes().empty());
    EXPECT_TRUE(AppWindows().passListWindow->isVisible());
    EXPECT_FALSE(AppWindows().passDialog->isVisible());

    // Started again within two hours: the file of the day is used as it is.
    Start();
    Click();
    EXPECT_EQ(Requests(), 1u);
    ExpectTonight();
}

TEST_F(TonightPassesTest, WithTheServerDownThePresentFileIsUsedWithANote) {
    WriteOldGroupFile(std::chrono::hours(50));
    server.reset();
    Start();
    Click();
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_TRUE(Notes()[0].contains("Verwendet wird die vorhandene Datei visual.tle"))
        << Notes()[0].toStdString();
    ExpectTonight();
}

TEST_F(TonightPassesTest, AFailureWithoutAFileSaysWhyAndLoadsNothing) {
    server->SetDefault({404, "gone"});
    Start();
    Click();
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_TRUE(Notes()[0].contains("HTTP 404")) << Notes()[0].toStdString();
    EXPECT_EQ(ElementFile().satelliteCount, 0);
    EXPECT_FALSE(fs::exists(dir / "visual.tle"));
}

TEST_F(TonightPassesTest, WithAFileLoadedTheSelectionOrElseEverySatelliteIsSearched) {
    Start();
    // Cairo, where both the HST and the ISS pass tonight.
    testsupport::PlaceObserver("Kairo", 31.2, 30.0, 40, 2);
    ASSERT_TRUE(LoadElementFileAt(testsupport::FixturePath("download/visual.tle").string()));
    auto listed = [] {
        std::set<double> numbers;
        for (const PassRecord& pass : PassList().Records()) numbers.insert(pass.catalogNumber);
        return numbers;
    };
    ASSERT_TRUE(AddToSelection(1));  // the HST
    Click();
    EXPECT_EQ(Requests(), 0u);
    ExpectTonight();
    EXPECT_EQ(listed(), std::set<double>{20580});

    RemoveAllRows();
    Click();
    EXPECT_EQ(Satellites().selectedCount, 2);
    EXPECT_EQ(listed(), (std::set<double>{20580, 25544}));
}

}  // namespace
