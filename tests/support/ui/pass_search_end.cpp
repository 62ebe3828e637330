#include "support/ui/pass_search_end.h"

#include <QEventLoop>
#include <QTimer>

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
    PassSearchTask* task = dialog->searchTask();
    if (task->running()) {
        QEventLoop loop;
        QObject::connect(task, &PassSearchTask::ended, &loop, &QEventLoop::quit);
        // A search that never ends fails the test instead of hanging it.
        QTimer::singleShot(300000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return task->running() ? PassSearchOutcome::Refused
                           : task->lastOutcome().value_or(PassSearchOutcome::Failed);
}

}  // namespace testsupport
