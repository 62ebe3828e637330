// "Exportieren…" of the pass list window: the kind by file type or name, and failures.
#include <gtest/gtest.h>

#include <QAction>

#include "prediction/pass_search.h"
#include "support/ui/program_windows_test.h"
#include "ui/satellites/pass_list_export.h"
#include "ui/satellites/pass_list_window.h"

namespace {

class PassExportTest : public testsupport::ProgramWindowsTest {
  protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        PassRecord pass;
        pass.name = "ISS (ZARYA)";
        pass.catalogNumber = 25544;
        pass.time = 46138.2;
        pass.events.found = true;
        pass.events.start.time = pass.time - 0.002;
        pass.events.highest.time = pass.time;
        pass.events.end.time = pass.time + 0.002;
        PassRecord unseen = pass;
        unseen.events.found = false;
        PassList() = PassListState::FromRecords({pass, unseen});
    }
    QString File(const char* name) { return QString::fromStdString((dir / name).string()); }
};

TEST_F(PassExportTest, FileTypeOrEndingChoosesTheKind) {
    dialogs->AnswerSaveFile(File("nacht"), 2);  // "Tabelle (*.csv)"
    dialogs->AnswerSaveFile(File("nacht.ics"), 2);
    EXPECT_TRUE(ExportPassList(nullptr));
    EXPECT_TRUE(ExportPassList(nullptr));
    const auto request = dialogs->CallsOf(testsupport::DialogKind::SaveFile)[0].request;
    ASSERT_EQ(request.filters.size(), 2);
    EXPECT_EQ(request.filters[0].description, "Kalender (*.ics)");
    EXPECT_EQ(request.filters[1].description, "Tabelle (*.csv)");
    EXPECT_EQ(testsupport::ReadTextFile(dir / "nacht.csv").rfind("satellite,", 0), 0u);
    EXPECT_EQ(testsupport::ReadTextFile(dir / "nacht.ics").rfind("BEGIN:VCALENDAR", 0), 0u);
    EXPECT_EQ(dialogs->Messages(),
              QStringList{"Polaride|1 Durchgang ohne sichtbaren Teil steht nicht im Kalender."});
}

TEST_F(PassExportTest, FailedWriteIsSaidAndTheMenuOffersExport) {
    dialogs->AnswerSaveFile(File("fehlt/nacht.ics"));
    EXPECT_FALSE(ExportPassList(nullptr));
    ASSERT_EQ(dialogs->Messages().size(), 1);
    EXPECT_TRUE(dialogs->Messages()[0].startsWith("Polaride|E/A-Fehler"));
    PassListWindow window;
    QAction* action = window.findChild<QAction*>("exportAction");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QString::fromUtf8("Exportieren…"));
}

}  // namespace
