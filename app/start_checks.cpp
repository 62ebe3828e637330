#include "app/start_checks.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include "ui/common/dialogs.h"

std::optional<QString> StartProblemArgument(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--start-problem"));
    if (at < 0 || at + 1 >= arguments.size()) return std::nullopt;
    return arguments[at + 1];
}

int ShowStartProblem(const QString& text) {
    AppDialogs().Message(QStringLiteral("Polaride"), text);
    return 1;
}

bool ClaimWorkingFolder(QLockFile& lock) {
    // Held for the whole run: never stale by age, only when its program is gone.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0) || lock.error() != QLockFile::LockFailedError) return true;
    AppDialogs().Message(
        QStringLiteral("Polaride"),
        QStringLiteral("Polaride läuft bereits mit diesem Arbeitsordner:\n%1\n\n"
                       "Bitte im geöffneten Fenster weiterarbeiten. Ein zweites Polaride im "
                       "selben Ordner würde beim Beenden die Einstellungen des ersten "
                       "überschreiben.")
            .arg(QDir::toNativeSeparators(QFileInfo(lock.fileName()).absolutePath())));
    return false;
}
