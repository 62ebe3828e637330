#include "ui/satellites/pass_list_export.h"

#include <QDateTime>
#include <QDir>

#include "core/civil_time.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "prediction/pass_export.h"
#include "prediction/pass_search.h"
#include "satellite/loaded_elements.h"
#include "ui/common/dialogs.h"
#include "ui/common/save_text_as.h"

namespace {

enum class ExportKind { Calendar = 1, Table = 2 };  // the filter indices of the dialog

const QString kCaption = QStringLiteral("Exportieren");

// The kind of a file name ending in ".ics" or ".csv" (in any case), else the chosen
// file type, whose ending is then added.
ExportKind KindOf(QString& fileName, int filterIndex) {
    if (fileName.endsWith(QStringLiteral(".ics"), Qt::CaseInsensitive)) return ExportKind::Calendar;
    if (fileName.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) return ExportKind::Table;
    const ExportKind kind = filterIndex == 2 ? ExportKind::Table : ExportKind::Calendar;
    fileName += kind == ExportKind::Table ? QStringLiteral(".csv") : QStringLiteral(".ics");
    return kind;
}

void Say(QWidget* parent, const QString& text) {
    AppDialogs().Message(QStringLiteral("Polaride"), text, parent);
}

}  // namespace

bool ExportPassList(QWidget* parent) {
    const PassListState& passes = PassList();
    if (passes.empty()) {
        Say(parent, QStringLiteral("Die Liste enthält keine Durchgänge zum Exportieren."));
        return false;
    }
    const QString folder = QDir::currentPath();
    FileDialogRequest request;
    request.caption = kCaption;
    request.filters = {{QStringLiteral("Kalender (*.ics)"), QStringLiteral("*.ics")},
                       {QStringLiteral("Tabelle (*.csv)"), QStringLiteral("*.csv")}};
    const FileDialogAnswer answer = AppDialogs().SaveFile(request, parent);
    QDir::setCurrent(folder);
    if (!answer.ok) return false;
    QString fileName = answer.fileName;
    const ObservingPlace& observer = Place();
    if (KindOf(fileName, answer.filterIndex) == ExportKind::Table)
        return WriteTextFile(parent, fileName, PassTableText(passes, observer));

    const JD1900 now = InstantFromUnixSeconds(QDateTime::currentSecsSinceEpoch());
    const PassCalendar calendar = PassCalendarText(passes, observer, now);
    if (calendar.events == 0) {
        Say(parent, QStringLiteral("Kein Durchgang der Liste hat einen sichtbaren Teil; es wurde "
                                   "kein Kalender geschrieben."));
        return false;
    }
    if (!WriteTextFile(parent, fileName, calendar.text)) return false;
    if (calendar.leftOut > 0)
        Say(parent, QString::fromStdString(LeftOutOfCalendarText(calendar.leftOut)));
    return true;
}
