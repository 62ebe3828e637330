#include "support/ui/pass_search_end.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "ui/satellites/pass_dialog.h"
#include "ui/satellites/pass_search_task.h"

namespace testsupport {

PassSearchOutcome SearchToEnd(PassDialog* dialog, bool tonight) {
    switch (tonight ? dialog->RunTonightSearch() : dialog->RunSearch()) {
        case PassSearchTask::Start::Refused:
            return PassSearchOutcome::Refused;
        case PassSearchTask::Start::Failed:
            return PassSearchOutcome::Failed;
        case PassSearchTask::Start::Started:
            break;
    }
    return WaitForSearchEnd(dialog);
}

PassSearchOutcome WaitForSearchEnd(PassDialog* dialog) {
    // Not a nested event loop: one that a test's "Beenden" has told to quit would return
    // at once.
    const PassSearchTask* task = dialog->searchTask();
    while (task->running()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return task->lastOutcome().value_or(PassSearchOutcome::Failed);
}

}  // namespace testsupport
