#include "ui/common/local_time_notice.h"

#include "ui/common/dialogs.h"

bool AcceptLocalTime(const LocalTimeResolution& local, QWidget* parent) {
    if (local.kind == LocalTimeKind::Unique) return true;
    AppDialogs().Message(QString::fromUtf8(kTimeChangeCaption),
                         QString::fromStdString(local.message), parent);
    return local.kind == LocalTimeKind::Repeated;
}
