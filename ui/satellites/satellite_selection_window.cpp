#include "ui/satellites/satellite_selection_window.h"

#include <QAbstractListModel>
#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "catalog/settings_file.h"
#include "chart/chart_view.h"
#include "chart/sky_chart.h"
#include "core/displayed_instant.h"
#include "core/number_text.h"
#include "prediction/selection_model.h"
#include "prediction/selection_print.h"
#include "prediction/selection_state.h"
#include "satellite/loaded_elements.h"
#include "ui/common/dialog_rows.h"
#include "ui/common/dialogs.h"
#include "ui/common/refresh_pacer.h"
#include "ui/common/selection_printing.h"
#include "ui/common/windows.h"
#include "ui/places/redraw_active_view.h"
#include "ui/satellites/ground_track_window.h"
#include "ui/satellites/orbit_class_window.h"
#include "ui/satellites/pass_dialog.h"
#include "ui/satellites/satellite_info_window.h"
#include "ui/sky/live_time.h"
#include "ui/sky/main_window.h"
#include "ui/sky/zoom_window.h"

// One of the two satellite lists: the lines of the shared text lists (Latin-1), each
// shown as its table row's whole name with the catalogue number (SelectionListLine).
// A line whose row no longer holds its set (the table is being replaced) is shown
// as it is.
class SelectionListModel : public QAbstractListModel {
  public:
    SelectionListModel(const TextLines* lines, int (*tableRowOf)(int position), QObject* parent)
        : QAbstractListModel(parent), lines_(lines), tableRowOf_(tableRowOf) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(lines_->size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() ||
            index.row() >= static_cast<int>(lines_->size()))
            return {};
        const std::string& line = (*lines_)[static_cast<std::size_t>(index.row())];
        const int row = tableRowOf_(index.row());
        const std::string shown =
            DisplayName(Satellites().Row(row)) == line ? SelectionListLine(row) : line;
        return QString::fromLatin1(shown.data(), static_cast<qsizetype>(shown.size()));
    }
    // The lines changed: the views read them again.
    void Refresh() {
        beginResetModel();
        endResetModel();
    }

  private:
    const TextLines* lines_;
    int (*tableRowOf_)(int position);
};

namespace {

const QString kEmptySelectionCaption = QStringLiteral("Auswahl-Box leer");
const QString kEmptySelectionText = QStringLiteral("Es sind keine Satelliten ausgewählt");
const QString kPassMenuText = QStringLiteral("Durchgänge berechnen");

QString CountText(int count) {
    return QString::fromStdString(numtext::CountOf(count, "Satellit", "Satelliten"));
}

QString Utf8(const char* text) { return QString::fromUtf8(text); }

void ShowNumberError(const std::string& text, QWidget* parent) {
    ShowNotANumber(QString::fromLatin1(text.c_str()), parent);
}

// "Durchgänge berechnen" of the main and the zoom window, found by their text so that
// the zoom window's menu is reached as soon as it has one.
void SetPassMenusEnabled(bool enabled) {
    const Windows& windows = AppWindows();
    for (QWidget* window :
         {static_cast<QWidget*>(windows.mainWindow), static_cast<QWidget*>(windows.zoomWindow)}) {
        if (!window) continue;
        for (QAction* action : window->findChildren<QAction*>())
            if (QString(action->text()).remove(QLatin1Char('&')) == kPassMenuText)
                action->setEnabled(enabled);
    }
}

}  // namespace

SatelliteSelectionWindow::SatelliteSelectionWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Polaride - Satwahl"));
    KeepZoomWindowOpenBehind(this);
    BuildControls();

    const SelectionFilterSettings& fields = SelectionFilterFields();
    SetFilterFieldTexts(
        {QString::fromStdString(fields.namePrefix), QString::fromStdString(fields.perigeeMin),
         QString::fromStdString(fields.perigeeMax), QString::fromStdString(fields.apogeeMin),
         QString::fromStdString(fields.apogeeMax), QString::fromStdString(fields.inclinationMin),
         QString::fromStdString(fields.inclinationMax)});
    settingsCollector_ = AddSettingsCollector([this](SettingsFields& settings) {
        const QStringList texts = FilterFieldTexts();
        SelectionFilterSettings& s = settings.selection;
        s.namePrefix = texts[0].toStdString();
        s.perigeeMin = texts[1].toStdString();
        s.perigeeMax = texts[2].toStdString();
        s.apogeeMin = texts[3].toStdString();
        s.apogeeMax = texts[4].toStdString();
        s.inclinationMin = texts[5].toStdString();
        s.inclinationMax = texts[6].toStdString();
    });
}

SatelliteSelectionWindow::~SatelliteSelectionWindow() {
    RemoveSettingsCollector(settingsCollector_);
}

void SatelliteSelectionWindow::BuildControls() {
    auto* grid = new QGridLayout(this);

    // The two lists with their labels and the arrows between them.
    countLabel_ = new QLabel(CountText(0), this);
    selectedLabel_ = new QLabel(CountText(0), this);
    fileLabel_ = new QLabel(this);
    fileLabel_->setTextFormat(Qt::PlainText);  // a file name
    hintLabel_ = new QLabel(QStringLiteral("Sat-Info mit Doppelklick auf Sat-Namen"), this);
    allModel_ = new SelectionListModel(
        &Selection().leftList, [](int position) { return position + 1; }, this);
    selectedModel_ = new SelectionListModel(
        &Selection().rightList, [](int position) { return Satellites().SelectedRow(position); },
        this);
    allList_ = new QListView(this);
    allList_->setObjectName(QStringLiteral("allList"));
    allList_->setModel(allModel_);
    allList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    selectedList_ = new QListView(this);
    selectedList_->setObjectName(QStringLiteral("selectedList"));
    selectedList_->setModel(selectedModel_);
    selectedList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (QListView* list : {allList_, selectedList_}) {
        list->setUniformItemSizes(true);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setFont(QFont(QStringLiteral("Courier New"), 9));
        // A whole name of 24 characters and the catalogue number (32 characters), the
        // item margins, the frame and the scroll bar.
        list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QString(35, QLatin1Char('M'))) +
                              2 * list->frameWidth() +
                              list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    }
    connect(allList_, &QListView::doubleClicked, this,
            [this](const QModelIndex& i) { ShowInfoForTableRow(i.row()); });
    connect(selectedList_, &QListView::doubleClicked, this,
            [this](const QModelIndex& i) { ShowInfoForSelection(i.row()); });

    auto button = [this](const QString& text, const char* name,
                         void (SatelliteSelectionWindow::*action)()) {
        QPushButton* b = NamedButton(text, name, this, action);
        b->setAutoDefault(false);
        return b;
    };
    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(
        button(QStringLiteral(">"), "addButton", &SatelliteSelectionWindow::AddMarked));
    arrows->addWidget(
        button(QStringLiteral("<"), "removeButton", &SatelliteSelectionWindow::RemoveMarked));
    arrows->addWidget(
        button(Utf8("alle wählen"), "selectAllButton", &SatelliteSelectionWindow::SelectAll));
    arrows->addWidget(
        button(Utf8("alle löschen"), "removeAllButton", &SatelliteSelectionWindow::RemoveAll));
    arrows->addStretch();

    grid->addWidget(countLabel_, 0, 0);
    grid->addWidget(selectedLabel_, 0, 2);
    grid->addWidget(allList_, 1, 0, 8, 1);
    grid->addLayout(arrows, 1, 1, 8, 1);
    grid->addWidget(selectedList_, 1, 2, 8, 1);
    grid->addWidget(fileLabel_, 9, 0);
    grid->addWidget(hintLabel_, 9, 2);

    // The filters.
    auto field = [this](const char* name) {
        auto* f = new QLineEdit(this);
        f->setObjectName(QLatin1String(name));
        f->installEventFilter(this);
        // Room for the default apogee maximum beside the wider lists.
        f->setMinimumWidth(f->fontMetrics().horizontalAdvance(QStringLiteral("100000000000")) + 12);
        return f;
    };
    nameField_ = field("nameField");
    nameField_->setToolTip(
        Utf8("Ein Teil des Namens (Groß- und Kleinschreibung gleich) oder die Katalognummer, "
             "z. B. ZARYA oder 25544"));
    perigeeMin_ = field("perigeeMin");
    perigeeMax_ = field("perigeeMax");
    apogeeMin_ = field("apogeeMin");
    apogeeMax_ = field("apogeeMax");
    inclinationMin_ = field("inclinationMin");
    inclinationMax_ = field("inclinationMax");
    nameButton_ = button(QStringLiteral("Auswahl"), "nameFilterButton",
                         &SatelliteSelectionWindow::NameFilter);
    perigeeButton_ = button(QStringLiteral("Auswahl"), "perigeeFilterButton",
                            &SatelliteSelectionWindow::PerigeeFilter);
    apogeeButton_ = button(QStringLiteral("Auswahl"), "apogeeFilterButton",
                           &SatelliteSelectionWindow::ApogeeFilter);
    inclinationButton_ = button(QStringLiteral("Auswahl"), "inclinationFilterButton",
                                &SatelliteSelectionWindow::InclinationFilter);

    auto* filters = new QGridLayout;
    filters->addWidget(new QLabel(Utf8("nach Namen auswählen"), this), 0, 0);
    filters->addWidget(nameField_, 0, 1, 1, 2);
    filters->addWidget(nameButton_, 0, 3);
    filters->addWidget(new QLabel(QStringLiteral("min"), this), 1, 1);
    filters->addWidget(new QLabel(QStringLiteral("max"), this), 1, 2);
    const struct {
        const char* label;
        QLineEdit* lo;
        QLineEdit* hi;
        QPushButton* apply;
    } ranges[] = {{"Perigäum (km)", perigeeMin_, perigeeMax_, perigeeButton_},
                  {"Apogäum (km)", apogeeMin_, apogeeMax_, apogeeButton_},
                  {"Inklination (Grad)", inclinationMin_, inclinationMax_, inclinationButton_}};
    int row = 2;
    for (const auto& r : ranges) {
        filters->addWidget(new QLabel(Utf8(r.label), this), row, 0);
        filters->addWidget(r.lo, row, 1);
        filters->addWidget(r.hi, row, 2);
        filters->addWidget(r.apply, row, 3);
        ++row;
    }
    using Action = void (SatelliteSelectionWindow::*)();
    const struct {
        const char* name;
        const char* objectName;
        Action select;
        const char* listObjectName;
        Action list;
    } orbitClasses[] = {{"geosync", "geosyncButton", &SatelliteSelectionWindow::Geosync,
                         "geosyncListButton", &SatelliteSelectionWindow::GeosyncList},
                        {"sunsync", "sunsyncButton", &SatelliteSelectionWindow::Sunsync,
                         "sunsyncListButton", &SatelliteSelectionWindow::SunsyncList},
                        {"Molniya", "molniyaButton", &SatelliteSelectionWindow::Molniya,
                         "molniyaListButton", &SatelliteSelectionWindow::MolniyaList}};
    for (const auto& c : orbitClasses) {
        filters->addWidget(button(QString::fromLatin1(c.name), c.objectName, c.select), row, 0);
        filters->addWidget(button(QStringLiteral("Liste"), c.listObjectName, c.list), row, 1);
        ++row;
    }
    grid->addLayout(filters, 0, 3, 8, 1);

    auto* commands = new QHBoxLayout;
    commands->addWidget(button(QStringLiteral("Liste drucken"), "printButton",
                               &SatelliteSelectionWindow::PrintList));
    commands->addWidget(
        button(QStringLiteral("Weltkarte"), "worldMapButton", &SatelliteSelectionWindow::WorldMap));
    commands->addWidget(
        button(Utf8("Durchgänge"), "passesButton", &SatelliteSelectionWindow::Passes));
    okButton_ = button(QStringLiteral("OK"), "okButton", &SatelliteSelectionWindow::Ok);
    commands->addWidget(okButton_);
    grid->addLayout(commands, 8, 3, 2, 1);
}

// ---- lists and labels ---------------------------------------------------------------

void SatelliteSelectionWindow::ClearSatelliteLists() {
    ClearSelectionLists();
    fileLabel_->clear();
    RefreshLists();
}

void SatelliteSelectionWindow::AppendSatelliteName(const std::string& name) {
    AppendLeftListName(name);
}

void SatelliteSelectionWindow::RefreshLists() {
    allModel_->Refresh();
    selectedModel_->Refresh();
    countLabel_->setText(CountText(static_cast<int>(Selection().leftList.size())));
    UpdateSelectedLabel(false);
}

void SatelliteSelectionWindow::UpdateSelectedLabel(bool repaintNow) {
    selectedLabel_->setText(CountText(Satellites().selectedCount));
    if (repaintNow) selectedLabel_->repaint();
}

void SatelliteSelectionWindow::SelectionChanged() {
    selectedModel_->Refresh();
    UpdateSelectedLabel(false);
}

QStringList SatelliteSelectionWindow::FilterFieldTexts() const {
    return {nameField_->text(), perigeeMin_->text(),     perigeeMax_->text(),    apogeeMin_->text(),
            apogeeMax_->text(), inclinationMin_->text(), inclinationMax_->text()};
}

void SatelliteSelectionWindow::SetFilterFieldTexts(const QStringList& texts) {
    QLineEdit* fields[] = {nameField_, perigeeMin_,     perigeeMax_,    apogeeMin_,
                           apogeeMax_, inclinationMin_, inclinationMax_};
    for (int k = 0; k < 7 && k < texts.size(); ++k) fields[k]->setText(texts[k]);
}

// ---- moving satellites by hand ----------------------------------------------------------

void SatelliteSelectionWindow::AddMarked() {
    std::vector<int> rows;
    for (const QModelIndex& index : allList_->selectionModel()->selectedIndexes())
        rows.push_back(index.row() + 1);
    AddMarkedRows(std::move(rows));
    allList_->clearSelection();
    SelectionChanged();
}

void SatelliteSelectionWindow::RemoveMarked() {
    std::vector<int> positions;
    for (const QModelIndex& index : selectedList_->selectionModel()->selectedIndexes())
        positions.push_back(index.row());
    RemoveFromSelection(std::move(positions));
    selectedList_->clearSelection();
    SelectionChanged();
}

void SatelliteSelectionWindow::SelectAll() {
    if (busy_) return;
    busy_ = true;
    RefreshPacer pacer;
    SelectAllRows([this, &pacer](int count) {
        if (pacer.Due()) {
            selectedLabel_->setText(CountText(count));
            selectedLabel_->repaint();
            LiveTimeHold hold;  // half-made selection: the live chart waits
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    });
    busy_ = false;
    SelectionChanged();
}

void SatelliteSelectionWindow::RemoveAll() {
    if (busy_) return;
    busy_ = true;
    // The list is emptied first so that repaints in between never show lines that
    // are gone.
    selectedList_->clearSelection();
    RefreshPacer pacer;
    RemoveAllRows([this, &pacer](int count) {
        if (pacer.Due()) {
            selectedLabel_->setText(CountText(count));
            selectedModel_->Refresh();
            selectedLabel_->repaint();
            LiveTimeHold hold;  // half-made selection: the live chart waits
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    });
    busy_ = false;
    SelectionChanged();
}

// ---- filters ---------------------------------------------------------------------------------

void SatelliteSelectionWindow::NameFilter() {
    const QByteArray text = nameField_->text().toLatin1();
    ApplyNameSearch(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    SelectionChanged();
}

void SatelliteSelectionWindow::PerigeeFilter() {
    RangeFilter(static_cast<int>(RangeKind::Perigee));
}
void SatelliteSelectionWindow::ApogeeFilter() { RangeFilter(static_cast<int>(RangeKind::Apogee)); }
void SatelliteSelectionWindow::InclinationFilter() {
    RangeFilter(static_cast<int>(RangeKind::Inclination));
}

void SatelliteSelectionWindow::RangeFilter(int kindValue) {
    const auto kind = static_cast<RangeKind>(kindValue);
    const QLineEdit* lo = kind == RangeKind::Perigee  ? perigeeMin_
                          : kind == RangeKind::Apogee ? apogeeMin_
                                                      : inclinationMin_;
    const QLineEdit* hi = kind == RangeKind::Perigee  ? perigeeMax_
                          : kind == RangeKind::Apogee ? apogeeMax_
                                                      : inclinationMax_;
    const FilterOutcome outcome =
        ApplyRangeFilter(kind, lo->text().toStdString(), hi->text().toStdString());
    SelectionChanged();
    if (outcome.status == FilterStatus::RequiredMissing) {
        const RequiredBoundMessage message = RequiredBoundMessageOf(kind);
        AppDialogs().Message(Utf8(message.caption), Utf8(message.text), this);
    } else if (outcome.status == FilterStatus::NotANumber) {
        ShowNumberError(outcome.badText, this);
    }
}

void SatelliteSelectionWindow::Geosync() { SelectOrbitClass(OrbitClass::Geosync); }
void SatelliteSelectionWindow::Sunsync() { SelectOrbitClass(OrbitClass::Sunsync); }
void SatelliteSelectionWindow::Molniya() { SelectOrbitClass(OrbitClass::Molniya); }

void SatelliteSelectionWindow::SelectOrbitClass(::OrbitClass orbitClass) {
    const InputAnswer answer =
        AppDialogs().Input(QStringLiteral("maximale Drift"),
                           QStringLiteral("Bitte maximale Drift (Grad/Tag) eingeben:"),
                           QLatin1String(DefaultDriftText(orbitClass)), this);
    const std::string text = answer.text.toStdString();
    const auto drift = ReadDriftAnswer(text);
    if (!drift) {
        ShowNumberError(text, this);
        return;
    }
    Selection().driftLimitDegDay = *drift;
    ApplyOrbitClass(orbitClass, *drift, Shown().currentJD);
    SelectionChanged();
    if (QWidget* list = AppWindows().orbitClassWindow)
        list->setWindowTitle(QLatin1String(OrbitClassCaptionPrefix(orbitClass)) +
                             QString::number(Satellites().selectedCount) + QStringLiteral(")"));
}

void SatelliteSelectionWindow::GeosyncList() { ShowOrbitClassList(OrbitClass::Geosync); }
void SatelliteSelectionWindow::SunsyncList() { ShowOrbitClassList(OrbitClass::Sunsync); }
void SatelliteSelectionWindow::MolniyaList() { ShowOrbitClassList(OrbitClass::Molniya); }

void SatelliteSelectionWindow::ShowOrbitClassList(::OrbitClass orbitClass) {
    // The orbit-class list fills its table for the class (0 geosynchronous,
    // 1 sun-synchronous, 2 Molniya) and shows itself.
    if (OrbitClassWindow* list = AppWindows().orbitClassWindow)
        list->ShowOrbitClass(static_cast<int>(orbitClass));
}

// ---- commands ------------------------------------------------------------------------------

bool SatelliteSelectionWindow::SelectionEmptyMessage() {
    if (Satellites().selectedCount > 0) return false;
    AppDialogs().Message(kEmptySelectionCaption, kEmptySelectionText, this);
    return true;
}

void SatelliteSelectionWindow::PrintList() {
    if (SelectionEmptyMessage()) return;
    std::string badText;
    const auto pages = SelectionPrintPages(&badText);
    if (!pages) {
        ShowNumberError(badText, this);
        return;
    }
    std::unique_ptr<QPrinter> printer = AppDialogs().Print(QString(), this);
    if (!printer) return;
    printer->setPageOrientation(QPageLayout::Portrait);
    PrintTextPages(*printer, *pages);
}

void SatelliteSelectionWindow::WorldMap() {
    if (SelectionEmptyMessage()) return;
    GroundTrackWindow* tracks = AppWindows().groundTrackWindow;
    if (!tracks) return;
    // The ground-track window clears its information labels and starts at currentJD.
    tracks->ClearInformationLabels();
    tracks->show();
    tracks->raise();
}

void SatelliteSelectionWindow::Passes() {
    if (SelectionEmptyMessage()) {
        SetPassMenusEnabled(false);
        return;
    }
    SetPassMenusEnabled(true);
    ShowInFront(AppWindows().passDialog);
}

void SatelliteSelectionWindow::EnablePassMenus() {
    SetPassMenusEnabled(Satellites().selectedCount > 0);
}

QWidget* SatelliteSelectionWindow::ActiveView() {
    return ChartView().zoomFactor == 1 ? static_cast<QWidget*>(AppWindows().mainWindow)
                                       : static_cast<QWidget*>(AppWindows().zoomWindow);
}

void SatelliteSelectionWindow::Ok() {
    EnablePassMenus();
    hide();
    ShowInFront(ActiveView());
}

void SatelliteSelectionWindow::ShowInfoForTableRow(int index) {
    Selection().infoFromSelection = false;
    if (SatelliteInfoWindow* info = AppWindows().satelliteInfoWindow)
        info->ShowSatellite(index, false);
}

void SatelliteSelectionWindow::ShowInfoForSelection(int index) {
    Selection().infoFromSelection = true;
    if (SatelliteInfoWindow* info = AppWindows().satelliteInfoWindow)
        info->ShowSatellite(index, true);
}

// ---- window events ---------------------------------------------------------------------------

QPushButton* SatelliteSelectionWindow::defaultButton() const { return defaultButton_; }

void SatelliteSelectionWindow::SetDefaultButton(QPushButton* button) {
    if (defaultButton_) defaultButton_->setDefault(false);
    defaultButton_ = button;
    if (defaultButton_) defaultButton_->setDefault(true);
}

void SatelliteSelectionWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) rowsWhenShown_ = Satellites().selectedRows;
    SyncSelectionLists();
    RefreshLists();
    countLabel_->setText(CountText(ElementFile().satelliteCount));
    const QString path = QString::fromStdString(ElementFile().elementFilePath);
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    fileLabel_->setText(path.mid(cut + 1));
    hintLabel_->setText(QStringLiteral("Sat-Info mit Doppelklick auf Sat-Namen"));
}

void SatelliteSelectionWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous()) return;  // minimised: still open
    EnablePassMenus();
    Shown().timeChanged = true;
    // A chart in view shows the new selection at once, not only at its next drawing.
    if (Satellites().selectedRows == rowsWhenShown_) return;
    rowsWhenShown_ = Satellites().selectedRows;
    if (QWidget* view = ActiveView(); view && view->isVisible()) {
        ChartReportsWait wait;  // inside a hide handler
        RedrawActiveView();
    }
}

void SatelliteSelectionWindow::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && defaultButton_) {
        defaultButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool SatelliteSelectionWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == nameField_)
            SetDefaultButton(nameButton_);
        else if (watched == perigeeMin_ || watched == perigeeMax_)
            SetDefaultButton(perigeeButton_);
        else if (watched == apogeeMin_ || watched == apogeeMax_)
            SetDefaultButton(apogeeButton_);
        else if (watched == inclinationMin_ || watched == inclinationMax_)
            SetDefaultButton(inclinationButton_);
    }
    return QWidget::eventFilter(watched, event);
}
