// "Elemente aktualisieren" inside the program's windows against a local server: the
// menu entry before any file, a fetched file loaded with the selection kept, and a
// failure that leaves file and table alone.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "catalog/settings_file.h"
#include "download/element_update.h"
#include "prediction/selection_model.h"
#include "satellite/loaded_elements.h"
#include "satellite/satellite_table.h"
#include "support/local_http_server.h"
#include "support/ui/program_windows_test.h"
#include "ui/common/windows.h"
#include "ui/satellites/element_update_dialog.h"
#include "ui/sky/main_window.h"
#include "ui/sky/main_window_interaction.h"

namespace {

using testsupport::HttpAnswer;

// The first n lines of a text.
std::string FirstLines(const std::string& text, int n) {
    std::size_t end = 0;
    for (int k = 0; k < n; ++k) end = text.find('\n', end) + 1;
    return text.substr(0, end);
}

class ElementUpdateTest : public testsupport::ProgramWindowsTest {
  protected:
    void Start() {
        StartWindows(dir.path());
        dialog = AppWindows().elementUpdateDialog;
        Settings().elementServiceUrl = server.BaseUrl();
        served = testsupport::ReadTextFile(testsupport::FixturePath("download/visual.tle"));
        // The old visual.tle: the first set of the shipped file, the ISS, then the HST,
        // written three hours ago; the ISS and the first set are selected.
        const std::string shipped =
            testsupport::ReadTextFile(testsupport::DataPath("visual-2026-04.tle"));
        old = FirstLines(shipped, 3) + served.substr(served.find("ISS")) +
              served.substr(0, served.find("ISS"));
        testsupport::WriteTextFile(dir / "visual.tle", old);
        std::filesystem::last_write_time(
            dir / "visual.tle", std::filesystem::file_time_type::clock::now() - std::chrono::hours(3));
        ASSERT_TRUE(LoadElementFileAt((dir / "visual.tle").string()));
        ASSERT_TRUE(AddToSelection(2));  // ISS
        ASSERT_TRUE(AddToSelection(1));
        dialogs->Clear();  // the chart's data files are not in the folder
    }
    void LoadAndWait() {
        ASSERT_TRUE(dialog->StartLoading());
        while (dialog->loading()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }

    testsupport::LocalHttpServer server;
    ElementUpdateDialog* dialog = nullptr;
    std::string served, old;
};

TEST_F(ElementUpdateTest, AFetchedFileIsLoadedKeepingTheSelectedSatellitesItHolds) {
    Start();
    EXPECT_TRUE(AppWindows().mainWindow->updateElementsAction->isEnabled());
    EXPECT_EQ(dialog->fileField()->text(), "visual.tle");
    server.SetDefault({200, served});
    LoadAndWait();
    EXPECT_EQ(dialog->statusLabel()->text(), "2 Satelliten geschrieben; geladen.");
    EXPECT_EQ(testsupport::ReadTextFile(dir / "visual.tle"), served);
    EXPECT_EQ(ElementFile().satelliteCount, 2);
    // The ISS stays selected; the first set is not in the new file.
    EXPECT_EQ(SelectedCatalogNumbers(), std::vector<double>{25544});
    EXPECT_EQ(Settings().elementFileName, (dir / "visual.tle").string());
}

TEST_F(ElementUpdateTest, AFailureLeavesFileAndTableAndSaysWhy) {
    Start();
    server.SetDefault({404, "gone"});
    LoadAndWait();
    ASSERT_EQ(dialogs->Messages().size(), 1);
    EXPECT_TRUE(dialogs->Messages()[0].contains("HTTP 404")) << dialogs->Messages()[0].toStdString();
    EXPECT_EQ(testsupport::ReadTextFile(dir / "visual.tle"), old);
    EXPECT_EQ(ElementFile().satelliteCount, 3);
    EXPECT_EQ(SelectedCatalogNumbers().size(), 2u);
}

TEST_F(ElementUpdateTest, AFileTheSameRequestWroteLessThanTwoHoursAgoIsLoadedUnlessTheUserInsists) {
    Start();
    server.SetDefault({200, served});
    // Fresh, but not from this request: fetched without asking.
    std::filesystem::last_write_time(dir / "visual.tle",
                                     std::filesystem::file_time_type::clock::now());
    LoadAndWait();
    EXPECT_TRUE(dialogs->CallsOf(testsupport::DialogKind::Confirm).empty());
    EXPECT_EQ(server.Targets().size(), 1u);
    dialogs->AnswerConfirm(false);
    LoadAndWait();
    EXPECT_EQ(dialogs->CallsOf(testsupport::DialogKind::Confirm).size(), 1u);
    EXPECT_EQ(server.Targets().size(), 1u);
    dialogs->AnswerConfirm(true);
    LoadAndWait();
    EXPECT_EQ(server.Targets().size(), 2u);
    EXPECT_EQ(ElementFile().satelliteCount, 2);
}

TEST_F(ElementUpdateTest, AnHtmlAnswerIsShownAsWritten) {
    Start();
    const std::string page = "<html><body><h1>Wartung</h1><img src=\"x.png\"></body></html>";
    server.SetDefault({200, page});
    LoadAndWait();
    EXPECT_EQ(dialog->statusLabel()->textFormat(), Qt::PlainText);
    EXPECT_TRUE(dialog->statusLabel()->text().contains(QString::fromStdString(page)))
        << dialog->statusLabel()->text().toStdString();
    EXPECT_EQ(testsupport::ReadTextFile(dir / "visual.tle"), old);
}

}  // namespace
