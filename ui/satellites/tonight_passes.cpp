#include "ui/satellites/tonight_passes.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>

#include "catalog/settings_file.h"
#include "core/civil_time.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "core/timescale.h"
#include "download/element_update.h"
#include "prediction/pass_search.h"
#include "prediction/selection_model.h"
#include "satellite/loaded_elements.h"
#include "satellite/satellite_table.h"
#include "ui/common/dialogs.h"
#include "ui/common/windows.h"
#include "ui/satellites/element_update_dialog.h"
#include "ui/satellites/pass_dialog.h"
#include "ui/satellites/satellite_selection_window.h"

namespace {

const QString kCaption = QStringLiteral("Heute Nacht sichtbar");
constexpr char kGroup[] = "visual";

ElementQuery GroupQuery(ElementFormat format) {
    ElementQuery query;
    query.group = kGroup;
    query.format = format;
    return query;
}

std::string InWorkingFolder(const std::string& name) {
    return QDir::current().absoluteFilePath(QString::fromStdString(name)).toStdString();
}

QFileInfo FileInfo(const std::string& path) { return QFileInfo(QString::fromStdString(path)); }

// The file's time of writing as the chart shows times: "22.04.2026 21:30:00 MESZ".
QString WrittenText(const QFileInfo& file) {
    const JD1900 t = InstantFromUnixSeconds(file.lastModified().toSecsSinceEpoch());
    const ObservingPlace& o = Place();
    const DateTimeTexts texts = DateTimeTextsOf(t, o.zoneOffsetAt(t));
    return QString::fromStdString(texts.date + " " + texts.time + o.zoneNameAt(t));
}

}  // namespace

TonightPasses::TonightPasses(QMainWindow* frame) : QObject(frame), frame_(frame) {
    update_ = new ElementUpdate(this);
    connect(update_, &ElementUpdate::progress, this, [this](qint64 received, qint64, int, int) {
        frame_->statusBar()->showMessage(
            QStringLiteral("Elemente der Gruppe visual: %1 kB empfangen").arg(received / 1024));
    });
    connect(update_, &ElementUpdate::finished, this, &TonightPasses::FetchFinished);
}

bool TonightPasses::busy() const { return busy_; }

std::string TonightPasses::GroupFilePath() {
    return InWorkingFolder(DefaultElementFileName(GroupQuery(ElementFormat::Tle)));
}

std::optional<std::string> TonightPasses::NewestGroupFile() {
    std::optional<std::string> newest;
    QDateTime newestTime;
    for (const ElementFormat format : {ElementFormat::Tle, ElementFormat::Csv}) {
        const std::string path = InWorkingFolder(DefaultElementFileName(GroupQuery(format)));
        const QFileInfo file = FileInfo(path);
        if (!file.isFile() || (newest && file.lastModified() <= newestTime)) continue;
        newest = path;
        newestTime = file.lastModified();
    }
    return newest;
}

void TonightPasses::Start() {
    // Loading a file lets input through and the search runs on: a second click waits
    // for the end.
    if (busy_ || PassSearchActive()) return;
    busy_ = true;
    if (ElementFile().satelliteCount > 0) {
        if (Satellites().selectedCount == 0) {
            SelectAllRows();
            if (SatelliteSelectionWindow* window = AppWindows().satelliteSelectionWindow) {
                window->RefreshLists();
                window->EnablePassMenus();
            }
            Shown().timeChanged = true;  // the chart observes the new selection
        }
        Search();
        return;
    }
    const std::string path = GroupFilePath();
    const QFileInfo file = FileInfo(path);
    if (file.isFile() &&
        file.lastModified().secsTo(QDateTime::currentDateTimeUtc()) < kTonightRefetchHours * 3600) {
        LoadAndSearch(path);
        return;
    }
    ElementUpdateRequest request;
    request.query = GroupQuery(FormatOfFileName(path));
    request.targetPath = path;
    request.baseUrl = ElementServiceUrl(Settings().elementServiceUrl);
    frame_->statusBar()->showMessage(QStringLiteral("Verbinde ..."));
    update_->Start(request);
}

void TonightPasses::FetchFinished(const ElementUpdateResult& result) {
    frame_->statusBar()->clearMessage();
    switch (result.status) {
        case ElementUpdateStatus::Written:
        case ElementUpdateStatus::FreshCopyKept:
            LoadAndSearch(GroupFilePath());
            return;
        case ElementUpdateStatus::Failed:
            if (const std::optional<std::string> present = NewestGroupFile()) {
                const QFileInfo file = FileInfo(*present);
                AppDialogs().Message(
                    kCaption,
                    QString::fromStdString(result.message) +
                        QStringLiteral("\n\nVerwendet wird die vorhandene Datei %1 vom %2.")
                            .arg(file.fileName(), WrittenText(file)),
                    frame_);
                LoadAndSearch(*present);
                return;
            }
            AppDialogs().Message(kCaption, QString::fromStdString(result.message), frame_);
            break;
        case ElementUpdateStatus::Cancelled:
            break;
    }
    Finish();
}

void TonightPasses::LoadAndSearch(const std::string& path) {
    if (LoadElementFileSelecting(path, [] { SelectAllRows(); }))
        Search();
    else
        Finish();
}

void TonightPasses::Finish() {
    busy_ = false;
    emit done();
}

void TonightPasses::Search() {
    PassDialog* dialog = AppWindows().passDialog;
    if (!dialog || dialog->RunTonightSearch() != PassSearchTask::Start::Started) {
        Finish();
        return;
    }
    // Busy until the workers have ended and the list is shown.
    connect(dialog->searchTask(), &PassSearchTask::ended, this, &TonightPasses::Finish,
            Qt::SingleShotConnection);
}
