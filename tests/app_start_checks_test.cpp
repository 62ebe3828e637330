// Before the windows: the launcher's problem in a message box, and one program per
// working folder.
#include <gtest/gtest.h>

#include <QLockFile>
#include <QProcess>

#include "app/start_checks.h"
#include "support/test_paths.h"
#include "support/ui/scripted_dialogs.h"

namespace {

TEST(StartProblem, TheLaunchersTextIsShownAndEndsTheProgram) {
    const std::optional<QString> text =
        StartProblemArgument({"polaride", "--start-problem", "Der Arbeitsordner fehlt."});
    ASSERT_TRUE(text.has_value());
    EXPECT_FALSE(StartProblemArgument({"polaride"}).has_value());
    testsupport::ScopedScriptedDialogs dialogs;
    EXPECT_EQ(ShowStartProblem(*text), 1);
    EXPECT_EQ(dialogs->Messages(), QStringList{"Polaride|Der Arbeitsordner fehlt."});
}

class WorkingFolderLockTest : public testing::Test {
  protected:
    QString LockPath() const {
        return QString::fromStdString((dir / kWorkingFolderLockName).string());
    }
    testsupport::TempDir dir;
    testsupport::ScopedScriptedDialogs dialogs;
};

TEST_F(WorkingFolderLockTest, ASecondProgramOnTheFolderIsRefused) {
    QLockFile first(LockPath());
    ASSERT_TRUE(ClaimWorkingFolder(first));
    QLockFile second(LockPath());
    EXPECT_FALSE(ClaimWorkingFolder(second));
    ASSERT_EQ(dialogs->Messages().size(), 1);
    EXPECT_TRUE(dialogs->Messages()[0].startsWith(
        "Polaride|Polaride läuft bereits mit diesem Arbeitsordner:\n" +
        QString::fromStdString(dir.path().string()) + "\n"));
    first.unlock();
    EXPECT_TRUE(ClaimWorkingFolder(second)) << "free again once the first has ended";
}

TEST_F(WorkingFolderLockTest, TheLockOfAProgramThatIsGoneIsTakenOver) {
    QProcess gone;  // a process that has ended: its id runs no program now
    gone.start("true");
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 pid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    testsupport::WriteTextFile(dir / kWorkingFolderLockName,
                               std::to_string(pid) + "\npolaride\n\n");
    QLockFile lock(LockPath());
    EXPECT_TRUE(ClaimWorkingFolder(lock));
    EXPECT_TRUE(dialogs->Messages().isEmpty());
}

}  // namespace
