#include "ui/satellites/pass_list_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFont>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

#include "chart/chart_view.h"
#include "chart/pass_path.h"
#include "core/displayed_instant.h"
#include "core/json_text.h"
#include "core/observing_place.h"
#include "prediction/pass_lines.h"
#include "prediction/pass_list_file.h"
#include "satellite/loaded_elements.h"
#include "satellite/observation.h"
#include "satellite/satellite_table.h"
#include "ui/common/dialogs.h"
#include "ui/common/save_text_as.h"
#include "ui/common/table_views.h"
#include "ui/common/windows.h"
#include "ui/satellites/pass_dialog.h"
#include "ui/satellites/pass_line_model.h"
#include "ui/satellites/pass_list_export.h"
#include "ui/satellites/pass_list_print.h"
#include "ui/satellites/pass_search_caption.h"
#include "ui/satellites/pass_table.h"
#include "ui/satellites/pass_table_model.h"
#include "ui/satellites/satellite_selection_window.h"
#include "ui/sky/live_time.h"
#include "ui/sky/main_window.h"
#include "ui/sky/zoom_window.h"

namespace {

// List lines carry the names of the element file as Latin-1 bytes among UTF-8 text.
QString Utf8(const std::string& text) {
    return QString::fromStdString(jsontext::ReadableUtf8(text));
}
QString Utf8(const char* text) { return QString::fromUtf8(text); }

const char* const kShowPassFailedCaption = "Fehler bei Anzeige des Durchgangs";
const char* const kShowPassFailedText =
    "Möglicherweise wurde die Satelliten-Auswahl geändert.\n"
    "Dann bitte Durchgänge neu berechnen!\n\n"
    "Möglicherweise sind die Satelliten-Elemente fehlerhaft.";

constexpr int kItemHeight = 16;
constexpr int kLineCharacters = 80;  // wider than every search and display line
constexpr int kMinimumLines = 12;

void HideWindow(QWidget* window) {
    if (window) window->hide();
}

}  // namespace

void SetShowPassMenusEnabled(bool enabled) {
    const Windows& windows = AppWindows();
    if (windows.mainWindow && windows.mainWindow->showPassesAction)
        windows.mainWindow->showPassesAction->setEnabled(enabled);
    if (windows.zoomWindow && windows.zoomWindow->showPassesAction)
        windows.zoomWindow->showPassesAction->setEnabled(enabled);
}

PassListWindow::PassListWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("PassListWindow");
    setWindowTitle(Utf8("Polaride - Durchgänge"));
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowState(Qt::WindowMaximized);

    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("Datei"));
    saveAction = fileMenu->addAction(QStringLiteral("Speichern"));
    QAction* exportAction = fileMenu->addAction(QStringLiteral("Exportieren…"));
    exportAction->setObjectName("exportAction");
    printAction = fileMenu->addAction(QStringLiteral("Drucken"));
    connect(exportAction, &QAction::triggered, this, [this] { ExportPassList(this); });
    connect(saveAction, &QAction::triggered, this, &PassListWindow::Save);
    connect(printAction, &QAction::triggered, this, &PassListWindow::Print);

    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPixelSize(13);
    auto* central = new QWidget(this);
    heading_ = new QLabel(central);
    heading_->setObjectName("passHeading");
    heading_->setTextFormat(Qt::PlainText);  // the place name of the settings
    heading_->setFont(fixed);
    heading_->setFrameShape(QFrame::Panel);
    heading_->setFrameShadow(QFrame::Sunken);
    list_ = new QListView(central);
    list_->setObjectName("passList");
    lines_ = new PassLineModel(list_);
    list_->setModel(lines_);
    list_->setFont(fixed);
    list_->setUniformItemSizes(true);
    list_->setStyleSheet(QStringLiteral("QListView::item { height: 16px; }"));
    // The smallest window still shows whole lines, a dozen of them.
    SetMinimumViewport(list_, QFontMetrics(fixed).horizontalAdvance(QString(kLineCharacters, '0')),
                       kMinimumLines * kItemHeight);

    tablePage_ = new QWidget(central);
    table_ = new QTableView(tablePage_);
    table_->setObjectName("passTable");
    SetUpPassTable(table_, new PassTableModel(table_));
    auto* legend = new QLabel(PassTableLegend(), tablePage_);
    legend->setObjectName("passLegend");
    legend->setWordWrap(true);
    legend->setTextFormat(Qt::PlainText);
    showPassButton_ = new QPushButton(QStringLiteral("Durchgang zeigen"), tablePage_);
    classicColumns_ = new QCheckBox(QStringLiteral("klassische Spalten"), tablePage_);
    classicColumns_->setToolTip(
        QStringLiteral("Zeitpunkt, Höhe und Richtung der klassischen Liste, Entf, Pos und Sonne"));
    buttonRow_ = new QHBoxLayout;
    buttonRow_->addWidget(showPassButton_);
    buttonRow_->addWidget(classicColumns_);
    buttonRow_->addStretch(1);
    auto* tableLayout = new QVBoxLayout(tablePage_);
    tableLayout->setContentsMargins(0, 0, 0, 4);
    tableLayout->addWidget(table_, 1);
    tableLayout->addWidget(legend);
    tableLayout->addLayout(buttonRow_);

    views_ = new QStackedWidget(central);
    views_->addWidget(list_);
    views_->addWidget(tablePage_);
    abortButton_ = new QPushButton(QStringLiteral("Abbrechen"), central);
    abortButton_->setObjectName("abortSearch");
    abortButton_->setToolTip(
        QStringLiteral("Die Suche anhalten und die bisher gefundenen "
                       "Durchgänge zeigen (auch mit der rechten Maustaste)"));
    abortButton_->hide();
    connect(abortButton_, &QPushButton::clicked, this, [] { RequestPassSearchAbort(); });
    auto* headingRow = new QHBoxLayout;
    headingRow->setContentsMargins(0, 0, 0, 0);
    headingRow->addWidget(heading_, 1);
    headingRow->addWidget(abortButton_);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(headingRow);
    layout->addWidget(views_);
    setCentralWidget(central);

    list_->viewport()->installEventFilter(this);
    heading_->installEventFilter(this);
    connect(list_, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { ShowPass(index.row()); });
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { ShowTableRowPass(index.row()); });
    connect(showPassButton_, &QPushButton::clicked, this,
            [this] { ShowTableRowPass(table_->currentIndex().row()); });
    connect(classicColumns_, &QCheckBox::toggled, this,
            [this](bool shown) { ShowClassicColumns(table_, shown); });
}

void PassListWindow::ShowTable(bool shown) {
    FillPassTable(table_, shown ? &PassList() : nullptr);
    if (shown && table_->model()->rowCount() > 0)
        table_->setCurrentIndex(table_->model()->index(0, 0));
    heading_->setVisible(!shown);
    views_->setCurrentWidget(shown ? tablePage_ : static_cast<QWidget*>(list_));
}

bool PassListWindow::ShowTableRowPass(int tableRow) {
    const int row = ListRowOfTableRow(table_, tableRow);
    return row >= 0 && ShowPass(row);
}

bool PassListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == list_->viewport() || watched == heading_))
        MousePressed(static_cast<QMouseEvent*>(event)->button());
    return QMainWindow::eventFilter(watched, event);
}

void PassListWindow::MousePressed(Qt::MouseButton button) {
    if (button == Qt::RightButton) RequestPassSearchAbort();
}

void PassListWindow::closeEvent(QCloseEvent* event) {
    // The workers stop; what they found is listed when the window opens again.
    if (PassSearchActive()) RequestPassSearchAbort();
    QMainWindow::closeEvent(event);
}

// ---- the search -------------------------------------------------------------------

void PassListWindow::searchStarted() {
    abortButton_->show();
    show();
    raise();
}
void PassListWindow::progress(const PassSearchProgress& progress) {
    using Stage = PassSearchProgress::Stage;
    abortButton_->setVisible(progress.stage == Stage::Started ||
                             progress.stage == Stage::Computing);
    setWindowTitle(Utf8(
        PassSearchCaption(progress, Place().placeName, OrbitModelName(Satellites().orbitModel))));
}
void PassListWindow::setStatusHeading(const std::string& heading) {
    heading_->setText(Utf8(heading));
}
void PassListWindow::clearList() {
    lines_->Clear();
    ShowTable(false);
}

void PassListWindow::ClearPasses() {
    lines_->Clear();
    ResetPassList();
    ShowTable(false);
}
void PassListWindow::appendListLine(const std::string& line) { lines_->Append({Utf8(line)}); }
void PassListWindow::appendListLines(const std::vector<std::string>& lines) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) texts.append(Utf8(line));
    lines_->Append(texts);
}
void PassListWindow::repaintList() { list_->repaint(); }

bool PassListWindow::readNightLimits(double& maxSunAltitudeDeg, double& limitingMagnitude) {
    return nightLimits ? nightLimits(maxSunAltitudeDeg, limitingMagnitude) : true;
}

void PassListWindow::searchFailed(const std::string& message) {
    AppDialogs().Message(QStringLiteral("Polaride"), Utf8(message), this);
}

void PassListWindow::noPasses() {
    SetShowPassMenusEnabled(false);
    Tracking().trackedSatellite = -1;
    AppDialogs().Message(Utf8(kNoPassesCaption), Utf8(kNoPassesText), this);
    hide();
}

void PassListWindow::passesFound(int /*count*/) {
    lines_->ShowPassList(&PassList());
    SetShowPassMenusEnabled(true);
    ShowTable(true);
}

// ---- showing a pass ----------------------------------------------------------------

void PassListWindow::ShowPassFailed() {
    AppDialogs().Message(Utf8(kShowPassFailedCaption), Utf8(kShowPassFailedText), this);
    SetShowPassMenusEnabled(false);
    Tracking().trackedSatellite = -1;
    hide();
    if (QWidget* selection = AppWindows().satelliteSelectionWindow) {
        selection->show();
        selection->raise();
    }
}

bool PassListWindow::ShowPass(int row) {
    // While a search fills the list, showing a pass would hide the list and the
    // search's results with it.
    if (PassSearchActive()) return false;
    const Windows& windows = AppWindows();
    ObservingPlace& o = Place();
    const PassListState& passes = PassList();
    const bool known = row >= 0 && static_cast<std::size_t>(row) < passes.passes.size();
    const int k = known ? passes.passes[static_cast<std::size_t>(row)].satelliteNumber : -1;
    const JD1900 t = known ? passes.passes[static_cast<std::size_t>(row)].time : 0.0;
    const SatelliteTable& table = Satellites();
    if (k < 0 || k >= table.selectedCount) {
        ShowPassFailed();
        return false;
    }
    Tracking().trackedSatellite = k;
    const SatObservation seen =
        ObserveSatellite(table.SelectedOrbit(k), table.SelectedLook(k), t, PlaceOf(o));
    double minimumDeg = 0.0;
    const bool minimumKnown = windows.passDialog && windows.passDialog->MinimumAltitude(minimumDeg);
    const bool visible = !seen.failed() && std::isfinite(seen.altitudeDeg) &&
                         (!minimumKnown || seen.altitudeDeg >= minimumDeg);
    HideWindow(this);
    HideWindow(windows.passDialog);
    HideWindow(windows.satelliteSelectionWindow);
    if (!visible || !windows.zoomWindow) {
        ShowPassFailed();
        return false;
    }
    // The pass instant becomes the chart's instant, which no longer follows the clock.
    EndLiveTime();
    Shown().currentJD = t;
    const CivilDateTime civil = CivilFromJD1900(t, o.zoneOffsetAt(t));
    Shown().year = civil.year;
    Shown().dynamicJD = t + DeltaT(Shown().year) / 24.0;
    Shown().timeChanged = true;
    FormatDateTime1900(t);
    ShowPassPath(ComputePassPath(table.SelectedOrbit(k), table.SelectedLook(k), o,
                                 passes.Record(static_cast<std::size_t>(row))),
                 t);
    // The zoom chart centred on the pass, turned so that it lies below the centre.
    if (!windows.zoomWindow->ShowSatellite(k, std::max(2, ChartView().zoomFactor))) {
        ShowPassFailed();
        return false;
    }
    return true;
}

// ---- saving and printing -------------------------------------------------------------

QStringList PassListWindow::Lines() const { return lines_->Lines(); }

QStringList PassListWindow::HeaderLines() const {
    const ObservingPlace& o = Place();
    const std::vector<std::string> head = PassListFileLines(
        o.placeName, PassSearchSpanText(PassList().span, o), o.longitudeDeg, o.latitudeDeg,
        PassListZoneText(o, PassInstants(PassList()), Shown().currentJD),
        ElementFile().elementFilePath, {});
    QStringList lines;
    for (const std::string& line : head) lines << Utf8(line);
    return lines;
}

void PassListWindow::Save() {
    bool changed = false;  // a character Latin-1 has not became "?"
    const QString saved = SaveTextAs(this, [this, &changed] {
        const ObservingPlace& o = Place();
        std::vector<std::string> lines;
        for (const QString& line : Lines()) lines.push_back(line.toStdString());
        lines = PassListFileLines(o.placeName, PassSearchSpanText(PassList().span, o),
                                  o.longitudeDeg, o.latitudeDeg,
                                  PassListZoneText(o, PassInstants(PassList()), Shown().currentJD),
                                  ElementFile().elementFilePath, lines);
        for (const std::string& line : lines) changed = changed || !Latin1Holds(line);
        return PassListFileText(lines);
    });
    if (!saved.isEmpty() && changed)
        AppDialogs().Message(QStringLiteral("Polaride"),
                             Utf8("Latin-1 kennt nicht alle Zeichen von Ort und Dateiname; in ") +
                                 saved + Utf8(" stehen sie als \"?\"."),
                             this);
}

void PassListWindow::Print() {
    std::unique_ptr<QPrinter> printer = AppDialogs().Print(QStringLiteral("Drucken"), this);
    if (!printer) return;
    QStringList head = HeaderLines();
    if (head.size() >= 3)
        head[2] = Utf8("berechnet mit Datei ") + Utf8(ElementFile().elementFilePath);
    PrintPassList(*printer, head, Lines());
}
