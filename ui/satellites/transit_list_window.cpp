#include "ui/satellites/transit_list_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "chart/body_plot.h"
#include "chart/transit_picture.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "prediction/pass_list_file.h"
#include "prediction/transit_export.h"
#include "prediction/transit_list_text.h"
#include "satellite/loaded_elements.h"
#include "ui/common/dialog_rows.h"
#include "ui/common/dialogs.h"
#include "ui/common/save_text_as.h"
#include "ui/common/windows.h"
#include "ui/satellites/pass_list_print.h"
#include "ui/satellites/transit_map_view.h"
#include "ui/satellites/transit_table.h"
#include "ui/satellites/transit_view_window.h"
#include "ui/sky/main_window_interaction.h"
#include "ui/sky/zoom_window.h"

namespace {

const QString kCaption = QStringLiteral("Polaride - Transite vor Sonne und Mond");

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// The place's zone, for local times.
TransitZone PlaceZone() {
    return {[](JD1900 t) { return Place().zoneOffsetAt(t); },
            [](JD1900 t) { return Place().zoneNameAt(t); }};
}

void Say(QWidget* parent, const QString& text) {
    AppDialogs().Message(QStringLiteral("Polaride"), text, parent);
}

// The transit window, made on first use.
TransitViewWindow& ViewWindow(QWidget* owner) {
    static QPointer<TransitViewWindow> window;
    if (!window) window = new TransitViewWindow(owner);
    return *window;
}

}  // namespace

TransitListWindow::TransitListWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("TransitListWindow");
    setWindowTitle(kCaption);
    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("Datei"));
    connect(fileMenu->addAction(QStringLiteral("Speichern")), &QAction::triggered, this,
            &TransitListWindow::Save);
    connect(fileMenu->addAction(QStringLiteral("Exportieren…")), &QAction::triggered, this,
            &TransitListWindow::Export);
    connect(fileMenu->addAction(QStringLiteral("Drucken")), &QAction::triggered, this,
            &TransitListWindow::Print);

    auto* central = new QWidget(this);
    table_ = new QTableWidget(central);
    table_->setObjectName("transitTable");
    SetUpTransitTable(table_);
    summary_ = new QLabel(central);
    summary_->setObjectName("transitSummary");
    summary_->setTextFormat(Qt::PlainText);
    show_ = NamedButton(QStringLiteral("Transit zeigen"), "showTransit", this,
                        [this] { ShowApproach(table_->currentRow()); });
    map_ = NamedButton(QStringLiteral("Zentrallinie auf der Karte"), "showCentreLine", this,
                       [this] { ShowCentreLine(table_->currentRow()); });
    cancel_ = NamedButton(QStringLiteral("Abbrechen"), "cancelSearch", this,
                          &TransitListWindow::CancelSearch);
    cancel_->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(show_);
    buttons->addWidget(map_);
    buttons->addStretch(1);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    setCentralWidget(central);
    resize(1100, 500);

    connect(table_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { ShowApproach(row); });
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(250);
    connect(progressTimer_, &QTimer::timeout, this, &TransitListWindow::ShowProgress);
}

TransitListWindow::~TransitListWindow() = default;

void TransitListWindow::StartSearch(std::vector<TransitSatellite> satellites,
                                    const TransitSearchParameters& parameters,
                                    const std::string& placeName) {
    if (Searching()) return;
    placeName_ = placeName;
    parameters_ = parameters;
    approaches_.clear();
    satellites_.clear();
    FillTransitTable(table_, approaches_, PlaceZone());
    summary_->setText(QString());
    job_ = std::make_unique<TransitSearchJob>(std::move(satellites), parameters);
    connect(job_.get(), &TransitSearchJob::finished, this, &TransitListWindow::SearchFinished);
    cancel_->setEnabled(true);
    show_->setEnabled(false);
    map_->setEnabled(false);
    ShowInFront(this);
    job_->Start();
    ShowProgress();
    progressTimer_->start();
}

void TransitListWindow::WidenToShowWholeColumns() {
    const int wanted = TransitTableWidthForContents(table_) + (width() - table_->width());
    const int most = screen() ? screen()->availableGeometry().width() : wanted;
    if (wanted > width()) resize(std::min(wanted, most), height());
}

bool TransitListWindow::Searching() const { return job_ != nullptr; }

void TransitListWindow::CancelSearch() {
    if (job_) job_->RequestStop();
}

void TransitListWindow::WaitForSearch() {
    if (!job_) return;
    QEventLoop loop;
    connect(this, &TransitListWindow::searchEnded, &loop, &QEventLoop::quit);
    job_->Wait();
    if (job_) loop.exec();
}

void TransitListWindow::ShowProgress() {
    if (!job_) return;
    setWindowTitle(kCaption + QStringLiteral(": Suche läuft … %1 von %2 Satelliten")
                                  .arg(job_->Done())
                                  .arg(job_->Total()));
}

void TransitListWindow::SearchFinished() {
    progressTimer_->stop();
    const bool stopped = job_->Stopped();
    approaches_ = job_->Approaches();
    satellites_ = job_->Satellites();
    // The job has sent the signal that brought us here: it goes once that is done.
    job_.release()->deleteLater();
    cancel_->setEnabled(false);
    FillTransitTable(table_, approaches_, PlaceZone());
    WidenToShowWholeColumns();
    if (table_->rowCount() > 0) table_->setCurrentCell(0, 0);
    show_->setEnabled(!approaches_.empty());
    map_->setEnabled(!approaches_.empty());
    const int transits =
        static_cast<int>(std::count_if(approaches_.begin(), approaches_.end(),
                                       [](const TransitApproach& a) { return a.isTransit; }));
    setWindowTitle(kCaption + QStringLiteral(" - %1: %2 Annäherungen, %3 Transite%4")
                                  .arg(Utf8(placeName_))
                                  .arg(approaches_.size())
                                  .arg(transits)
                                  .arg(stopped ? QStringLiteral(" (abgebrochen)") : QString()));
    summary_->setText(HeaderLines().value(0));
    emit searchEnded();
    if (approaches_.empty() && !stopped)
        Say(this, QStringLiteral("Keine Annäherung eines Satelliten an Sonne oder Mond gefunden."));
}

const TransitSatellite* TransitListWindow::SatelliteOf(const TransitApproach& approach) const {
    for (const TransitSatellite& s : satellites_)
        if (s.catalogNumber == approach.catalogNumber) return &s;
    return nullptr;
}

bool TransitListWindow::ShowApproach(int tableRow) {
    const int index = ApproachOfTableRow(table_, tableRow);
    if (index < 0 || Searching()) return false;
    const TransitApproach& a = approaches_[static_cast<std::size_t>(index)];
    const TransitSatellite* satellite = SatelliteOf(a);
    if (!satellite) return false;
    // The chart a little before the approach, the zoom window on the body.
    const Windows& windows = AppWindows();
    if (windows.mainWindow) {
        StepChartTime(a.instant - kTransitLeadSeconds / 86400.0 - Shown().currentJD);
        const double x = a.body == TransitBody::Sun ? SunPlot().chartX : MoonPlot().chartX;
        const double y = a.body == TransitBody::Sun ? SunPlot().chartY : MoonPlot().chartY;
        if (windows.zoomWindow && (x != 0.0 || y != 0.0))
            windows.zoomWindow->ShowChartPoint(x, y, 8);
    }
    TransitViewWindow& view = ViewWindow(this);
    view.ShowPicture(TransitDiscPictureOf(a, satellite->orbit, parameters_.place, TimeText(a)),
                     [this, index] { ShowCentreLineOfApproach(index); });
    return true;
}

bool TransitListWindow::ShowCentreLine(int tableRow) {
    const int index = ApproachOfTableRow(table_, tableRow);
    return index >= 0 && !Searching() && ShowCentreLineOfApproach(index);
}

bool TransitListWindow::ShowCentreLineOfApproach(int index) {
    const TransitApproach& a = approaches_[static_cast<std::size_t>(index)];
    const TransitSatellite* satellite = SatelliteOf(a);
    return satellite &&
           ShowCentreLineOnMap(a, *satellite, parameters_.place, TransitMapLegend(a, TimeText(a)));
}

std::string TransitListWindow::TimeText(const TransitApproach& a) {
    return TransitLocalTimeText(a.instant, Place().zoneOffsetAt(a.instant)) +
           Place().zoneNameAt(a.instant);
}

QStringList TransitListWindow::HeaderLines() const {
    const int days = static_cast<int>(parameters_.days);
    QStringList head;
    head << Utf8("Transite vor Sonne und Mond: " + placeName_ + ", " +
                 (days == 1 ? std::string("1 Tag") : std::to_string(days) + " Tage") + " ab " +
                 TransitLocalTimeText(parameters_.start, Place().zoneOffsetAt(parameters_.start))
                     .substr(0, 10) +
                 ", Abstand bis " + GermanNumber(parameters_.maxSeparationDeg, 2) +
                 "°, Zentrallinie bis " + GermanNumber(parameters_.radiusKm, 1) + " km");
    head << Utf8(PassListLocationLine(parameters_.place.longitudeDeg, parameters_.place.latitudeDeg,
                                      Place().zoneOffsetAt(parameters_.start)));
    head << Utf8("berechnet mit Elementen aus " + ElementFile().elementFilePath);
    head << Utf8(TransitListHeading());
    return head;
}

QStringList TransitListWindow::Lines() const {
    QStringList lines;
    for (int row = 0; row < table_->rowCount(); ++row) {
        const int index = ApproachOfTableRow(table_, row);
        if (index < 0) continue;
        const TransitApproach& a = approaches_[static_cast<std::size_t>(index)];
        lines << Utf8(TransitListLine(a, Place().zoneOffsetAt(a.instant)));
    }
    return lines;
}

void TransitListWindow::Save() {
    SaveTextAs(this, [this] {
        std::vector<std::string> lines;
        for (const QString& line : HeaderLines() + Lines()) lines.push_back(line.toStdString());
        return PassListFileText(lines);
    });
}

void TransitListWindow::Print() {
    std::unique_ptr<QPrinter> printer = AppDialogs().Print(QStringLiteral("Drucken"), this);
    if (printer) PrintPassList(*printer, HeaderLines(), Lines());
}

void TransitListWindow::Export() {
    if (approaches_.empty()) {
        Say(this, QStringLiteral("Die Liste enthält keine Annäherungen zum Exportieren."));
        return;
    }
    const QString folder = QDir::currentPath();
    FileDialogRequest request;
    request.caption = QStringLiteral("Exportieren");
    request.filters = {{QStringLiteral("Tabelle (*.csv)"), QStringLiteral("*.csv")}};
    const FileDialogAnswer answer = AppDialogs().SaveFile(request, this);
    QDir::setCurrent(folder);
    if (!answer.ok) return;
    QString fileName = answer.fileName;
    if (!fileName.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        fileName += QStringLiteral(".csv");
    std::vector<TransitApproach> ordered;
    for (int row = 0; row < table_->rowCount(); ++row)
        ordered.push_back(approaches_[static_cast<std::size_t>(ApproachOfTableRow(table_, row))]);
    WriteTextFile(this, fileName, TransitTableText(ordered));
}
