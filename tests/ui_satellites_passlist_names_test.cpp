// The pass list window with names of the element file, which are Latin-1: shown as
// they are and saved as the same bytes that polaride-cli --out writes.
#include <gtest/gtest.h>

#include <QListView>
#include <string>

#include "chart/chart_view.h"
#include "core/observing_place.h"
#include "satellite/loaded_elements.h"
#include "support/observer_records.h"
#include "support/test_paths.h"
#include "support/ui/pass_list_lines.h"
#include "support/ui/scripted_dialogs.h"
#include "ui/satellites/pass_list_window.h"

namespace {

TEST(PassListNames, Latin1NameIsShownAndSavedUnchanged) {
    ResetObserverRecords();
    ResetChartView();
    testsupport::TempDir dir;
    testsupport::ScopedScriptedDialogs dialogs;
    Place().placeName = "Berlin";
    ElementFile().elementFilePath = "sets.tle";
    PassListWindow form;
    form.appendListLine(" K\xf6nig          28.04.  04:02:32    60.0\xc2\xb0  ");
    EXPECT_EQ(testsupport::PassLine(form, 0),
              QString::fromUtf8(" K\xc3\xb6nig          28.04.  04:02:32    60.0\xc2\xb0  "));

    const std::string out = (dir / "liste.txt").string();
    dialogs->AnswerSaveFile(QString::fromStdString(out));
    form.Save();
    EXPECT_NE(testsupport::ReadTextFile(out).find(
                  "\r\n K\xf6nig          28.04.  04:02:32    60.0\xb0  \r\n"),
              std::string::npos);
    ResetObserverRecords();
    ResetChartView();
}

}  // namespace
