// What the program checks before it creates its windows: a problem the launcher could
// not get past (tools/launch.sh hands it over as "--start-problem TEXT"), and whether
// another running program already works in the same working folder.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QLockFile;

// The lock file in the working folder that marks it as in use.
inline constexpr const char* kWorkingFolderLockName = ".polaride.lock";

// The TEXT of "--start-problem TEXT" among the program's arguments.
std::optional<QString> StartProblemArgument(const QStringList& arguments);

// Shows the launcher's problem in a message box; the program then ends with status 1,
// which this returns.
int ShowStartProblem(const QString& text);

// Takes `lock` (a QLockFile on kWorkingFolderLockName) for the program's lifetime. Two
// programs on one folder would each write their own settings when they end, the later
// one discarding what the other changed, so a second one is refused: false after a
// message box naming the folder. A lock left by a program that did not end normally
// (crash, kill) is taken over. A folder that takes no lock file at all (read-only)
// does not stop the start: nothing can be written there, so nothing can be lost.
bool ClaimWorkingFolder(QLockFile& lock);
