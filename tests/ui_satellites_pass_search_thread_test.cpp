// The pass list window's search runs on worker threads: the windows take input while
// the whole catalogue is searched, and "Abbrechen" (or closing the window) stops it
// with the passes found so far listed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <filesystem>
#include <functional>

#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "prediction/pass_list.h"
#include "prediction/pass_search.h"
#include "satellite/loaded_elements.h"
#include "satellite/satellite_table.h"
#include "support/observer_place.h"
#include "support/satellite_selection.h"
#include "support/test_paths.h"
#include "support/ui/pass_list_lines.h"
#include "support/ui/pass_search_end.h"
#include "support/ui/program_windows_test.h"
#include "ui/common/windows.h"
#include "ui/satellites/pass_dialog.h"
#include "ui/satellites/pass_list_window.h"
#include "ui/satellites/pass_search_task.h"

namespace {

namespace fs = std::filesystem;

class PassSearchThreadTest : public testsupport::ProgramWindowsTest {
  protected:
    // The whole catalogue at Berlin over many nights: a search of seconds.
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        StartWindows(dir.path());
        dialog = AppWindows().passDialog;
        passListWindow = AppWindows().passListWindow;
        testsupport::PlaceObserverInBerlin(40, 2);
        testsupport::SetObserverLocalTime(2026, 4, 27, 12);
        fs::copy_file(testsupport::DataPath("active-2026-04.tle"), dir / "active.tle");
        ASSERT_TRUE(LoadElementFile("active.tle").opened);
        testsupport::SelectEverySatellite();
        dialog->daysField()->setText("30");
    }
    // Lets the event loop run until `seen` holds or the search has ended.
    void RunUntil(const std::function<bool()>& seen) {
        while (!seen() && dialog->searchTask()->running())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }

    // The percentage of the caption "Berechne Durchgänge 12% …" (-1: none).
    int ShownPercent() const {
        const QRegularExpressionMatch match =
            QRegularExpression("Durchgänge (\\d+)%").match(passListWindow->windowTitle());
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }

    PassDialog* dialog = nullptr;
    PassListWindow* passListWindow = nullptr;
};

// The user reopens the dialog and deletes a digit of "Anzahl Tage": the key is handled
// through the event queue while the workers go on searching. Meanwhile the list offers
// no line to double-click: the lines come when the search has ended.
TEST_F(PassSearchThreadTest, KeyIsHandledWhileTheWholeCatalogueIsSearched) {
    ASSERT_EQ(dialog->RunSearch(), PassSearchTask::Start::Started);
    dialog->show();
    const QString until = dialog->toDateField()->text();
    QApplication::postEvent(dialog->daysField(),
                            new QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier));
    RunUntil([&] { return dialog->daysField()->text() == "3"; });
    EXPECT_TRUE(dialog->searchTask()->future().isRunning()) << "the key waited for the search";
    EXPECT_EQ(dialog->daysField()->text(), "3");
    EXPECT_NE(dialog->toDateField()->text(), until) << "the dialog shows the new nights";
    EXPECT_EQ(testsupport::PassLineCount(*passListWindow), 0);
    EXPECT_EQ(passListWindow->table()->model()->rowCount(), 0);
    RequestPassSearchAbort();
    EXPECT_EQ(testsupport::WaitForSearchEnd(dialog), PassSearchOutcome::Aborted);
}

// "Abbrechen", the right mouse button on the list or its heading and closing the window
// stop the workers; the passes they found are the list, in time order.
TEST_F(PassSearchThreadTest, AbortKeepsWhatWasFound) {
    const auto rightPress = [](QWidget* target) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5),
                          target->mapToGlobal(QPointF(5, 5)), Qt::RightButton, Qt::RightButton,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    };
    const std::function<void()> stops[] = {
        [this] { passListWindow->abortButton()->click(); },
        [&] { rightPress(passListWindow->list()->viewport()); },
        [&] { rightPress(passListWindow->headingBar()); },
        [this] { passListWindow->close(); },
    };
    for (const auto& stop : stops) {
        ASSERT_EQ(dialog->RunSearch(), PassSearchTask::Start::Started);
        EXPECT_TRUE(passListWindow->abortButton()->isVisible());
        // Some way into the search: passes have been found.
        RunUntil([&] { return ShownPercent() >= 1; });
        ASSERT_TRUE(dialog->searchTask()->running()) << "the search ended before the abort";
        stop();
        EXPECT_EQ(testsupport::WaitForSearchEnd(dialog), PassSearchOutcome::Aborted);
        const PassListState& list = PassList();
        ASSERT_GT(list.size(), 0u);
        for (std::size_t j = 1; j < list.size(); ++j)
            EXPECT_LE(list.passes[j - 1].time, list.passes[j].time);
        EXPECT_EQ(passListWindow->table()->model()->rowCount(), static_cast<int>(list.size()));
        EXPECT_FALSE(passListWindow->abortButton()->isVisible());
        EXPECT_FALSE(PassSearchActive());
        passListWindow->show();
    }
}

}  // namespace
