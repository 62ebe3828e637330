#include "passes/satwahl.h"

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
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "app/dialogs.h"
#include "app/settings_file.h"
#include "app/windows.h"
#include "core/observer_state.h"
#include "chart/stern.h"
#include "chart/zoom.h"
#include "passes/param.h"
#include "passes/satinfo.h"
#include "passes/selection_model.h"
#include "passes/selection_print.h"
#include "passes/selection_printing.h"
#include "passes/selection_state.h"
#include "passes/unit10.h"
#include "passes/unit2.h"

// One of the two satellite lists shown from the shared text lists (Latin-1 lines).
class SelectionListModel : public QAbstractListModel {
public:
    SelectionListModel(const TSat1* lines, QObject* parent) : QAbstractListModel(parent), lines_(lines) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(lines_->size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= static_cast<int>(lines_->size()))
            return {};
        const std::string& line = (*lines_)[static_cast<std::size_t>(index.row())];
        return QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
    }
    // The lines changed: the views read them again.
    void Refresh() {
        beginResetModel();
        endResetModel();
    }

private:
    const TSat1* lines_;
};

namespace {

const QString kEmptySelectionCaption = QStringLiteral("Auswahl-Box leer");
const QString kEmptySelectionText = QStringLiteral("Es sind keine Satelliten ausgewählt");
const QString kPassMenuText = QStringLiteral("Durchgänge berechnen");

QString CountText(int count) { return QString::number(count) + QStringLiteral(" Satelliten"); }

QString Utf8(const char* text) { return QString::fromUtf8(text); }

void ShowNumberError(const std::string& text, QWidget* parent) {
    AppDialogs().Message(QStringLiteral("Polaride"),
                         QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(QString::fromLatin1(text.c_str())),
                         parent);
}

// "Durchgänge berechnen" of the main and the zoom window, found by their text so that
// the zoom window's menu is reached as soon as it has one.
void SetPassMenusEnabled(bool enabled) {
    const Windows& windows = AppWindows();
    for (QWidget* window : {static_cast<QWidget*>(windows.form1), static_cast<QWidget*>(windows.form2)}) {
        if (!window) continue;
        for (QAction* action : window->findChildren<QAction*>())
            if (QString(action->text()).remove(QLatin1Char('&')) == kPassMenuText) action->setEnabled(enabled);
    }
}

}  // namespace

TForm8::TForm8(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Polaride - Satwahl"));
    BuildControls();

    const SelectionFilterSettings& fields = SelectionFilterFields();
    SetFilterFieldTexts({QString::fromStdString(fields.namePrefix), QString::fromStdString(fields.perigeeMin),
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

TForm8::~TForm8() { RemoveSettingsCollector(settingsCollector_); }

void TForm8::BuildControls() {
    auto* grid = new QGridLayout(this);

    // The two lists with their labels and the arrows between them.
    countLabel_ = new QLabel(CountText(0), this);
    selectedLabel_ = new QLabel(CountText(0), this);
    fileLabel_ = new QLabel(this);
    hintLabel_ = new QLabel(QStringLiteral("Sat-Info mit Doppelklick auf Sat-Namen"), this);
    allModel_ = new SelectionListModel(&Selection().leftList, this);
    selectedModel_ = new SelectionListModel(&Selection().rightList, this);
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
        list->setMinimumWidth(170);
    }
    connect(allList_, &QListView::doubleClicked, this, [this](const QModelIndex& i) { ShowInfoForTableRow(i.row()); });
    connect(selectedList_, &QListView::doubleClicked, this,
            [this](const QModelIndex& i) { ShowInfoForSelection(i.row()); });

    auto button = [this](const QString& text, const char* name, void (TForm8::*action)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(button(QStringLiteral(">"), "addButton", &TForm8::AddMarked));
    arrows->addWidget(button(QStringLiteral("<"), "removeButton", &TForm8::RemoveMarked));
    arrows->addWidget(button(Utf8("alle wählen"), "selectAllButton", &TForm8::SelectAll));
    arrows->addWidget(button(Utf8("alle löschen"), "removeAllButton", &TForm8::RemoveAll));
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
        return f;
    };
    nameField_ = field("nameField");
    perigeeMin_ = field("perigeeMin");
    perigeeMax_ = field("perigeeMax");
    apogeeMin_ = field("apogeeMin");
    apogeeMax_ = field("apogeeMax");
    inclinationMin_ = field("inclinationMin");
    inclinationMax_ = field("inclinationMax");
    nameButton_ = button(QStringLiteral("Auswahl"), "nameFilterButton", &TForm8::NameFilter);
    perigeeButton_ = button(QStringLiteral("Auswahl"), "perigeeFilterButton", &TForm8::PerigeeFilter);
    apogeeButton_ = button(QStringLiteral("Auswahl"), "apogeeFilterButton", &TForm8::ApogeeFilter);
    inclinationButton_ = button(QStringLiteral("Auswahl"), "inclinationFilterButton", &TForm8::InclinationFilter);

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
    filters->addWidget(button(QStringLiteral("geosync"), "geosyncButton", &TForm8::Geosync), row, 0);
    filters->addWidget(button(QStringLiteral("Liste"), "geosyncListButton", &TForm8::GeosyncList), row, 1);
    ++row;
    filters->addWidget(button(QStringLiteral("sunsync"), "sunsyncButton", &TForm8::Sunsync), row, 0);
    filters->addWidget(button(QStringLiteral("Liste"), "sunsyncListButton", &TForm8::SunsyncList), row, 1);
    ++row;
    filters->addWidget(button(QStringLiteral("Molniya"), "molniyaButton", &TForm8::Molniya), row, 0);
    filters->addWidget(button(QStringLiteral("Liste"), "molniyaListButton", &TForm8::MolniyaList), row, 1);
    grid->addLayout(filters, 0, 3, 8, 1);

    auto* commands = new QHBoxLayout;
    commands->addWidget(button(QStringLiteral("Liste drucken"), "printButton", &TForm8::PrintList));
    commands->addWidget(button(QStringLiteral("Weltkarte"), "worldMapButton", &TForm8::WorldMap));
    commands->addWidget(button(Utf8("Durchgänge"), "passesButton", &TForm8::Passes));
    okButton_ = button(QStringLiteral("OK"), "okButton", &TForm8::Ok);
    commands->addWidget(okButton_);
    grid->addLayout(commands, 8, 3, 2, 1);
}

// ---- lists and labels ---------------------------------------------------------------

void TForm8::ClearSatelliteLists() {
    ClearSelectionLists();
    fileLabel_->clear();
    RefreshLists();
}

void TForm8::AppendSatelliteName(const std::string& name) { AppendLeftListName(name); }

void TForm8::RefreshLists() {
    allModel_->Refresh();
    selectedModel_->Refresh();
    countLabel_->setText(CountText(static_cast<int>(Selection().leftList.size())));
    UpdateSelectedLabel(false);
}

void TForm8::UpdateSelectedLabel(bool repaintNow) {
    selectedLabel_->setText(CountText(Satellites().selectedCount));
    if (repaintNow) selectedLabel_->repaint();
}

void TForm8::SelectionChanged() {
    selectedModel_->Refresh();
    UpdateSelectedLabel(false);
}

QStringList TForm8::FilterFieldTexts() const {
    return {nameField_->text(),  perigeeMin_->text(),     perigeeMax_->text(),    apogeeMin_->text(),
            apogeeMax_->text(), inclinationMin_->text(), inclinationMax_->text()};
}

void TForm8::SetFilterFieldTexts(const QStringList& texts) {
    QLineEdit* fields[] = {nameField_, perigeeMin_, perigeeMax_, apogeeMin_, apogeeMax_, inclinationMin_, inclinationMax_};
    for (int k = 0; k < 7 && k < texts.size(); ++k) fields[k]->setText(texts[k]);
}

// ---- moving satellites by hand ----------------------------------------------------------

void TForm8::AddMarked() {
    std::vector<int> rows;
    for (const QModelIndex& index : allList_->selectionModel()->selectedIndexes()) rows.push_back(index.row() + 1);
    AddMarkedRows(std::move(rows));
    allList_->clearSelection();
    SelectionChanged();
}

void TForm8::RemoveMarked() {
    std::vector<int> positions;
    for (const QModelIndex& index : selectedList_->selectionModel()->selectedIndexes()) positions.push_back(index.row());
    RemoveFromSelection(std::move(positions));
    selectedList_->clearSelection();
    SelectionChanged();
}

void TForm8::SelectAll() {
    if (busy_) return;
    busy_ = true;
    SelectAllRows([this](int count) {
        selectedLabel_->setText(CountText(count));
        if (count % 100 == 0) {
            selectedLabel_->repaint();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    });
    busy_ = false;
    SelectionChanged();
}

void TForm8::RemoveAll() {
    if (busy_) return;
    busy_ = true;
    // The list is emptied first so that repaints in between never show lines that
    // are gone.
    selectedList_->clearSelection();
    RemoveAllRows([this](int count) {
        selectedLabel_->setText(CountText(count));
        if (count % 100 == 0) {
            selectedModel_->Refresh();
            selectedLabel_->repaint();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    });
    busy_ = false;
    SelectionChanged();
}

// ---- filters ---------------------------------------------------------------------------------

void TForm8::NameFilter() {
    const QByteArray prefix = nameField_->text().toLatin1();
    ApplyNameFilter(std::string_view(prefix.constData(), static_cast<std::size_t>(prefix.size())));
    SelectionChanged();
}

void TForm8::PerigeeFilter() { RangeFilter(static_cast<int>(RangeKind::Perigee)); }
void TForm8::ApogeeFilter() { RangeFilter(static_cast<int>(RangeKind::Apogee)); }
void TForm8::InclinationFilter() { RangeFilter(static_cast<int>(RangeKind::Inclination)); }

void TForm8::RangeFilter(int kindValue) {
    const auto kind = static_cast<RangeKind>(kindValue);
    const QLineEdit* lo = kind == RangeKind::Perigee ? perigeeMin_ : kind == RangeKind::Apogee ? apogeeMin_ : inclinationMin_;
    const QLineEdit* hi = kind == RangeKind::Perigee ? perigeeMax_ : kind == RangeKind::Apogee ? apogeeMax_ : inclinationMax_;
    const FilterOutcome outcome = ApplyRangeFilter(kind, lo->text().toStdString(), hi->text().toStdString());
    SelectionChanged();
    if (outcome.status == FilterStatus::RequiredMissing) {
        const RequiredBoundMessage message = RequiredBoundMessageOf(kind);
        AppDialogs().Message(Utf8(message.caption), Utf8(message.text), this);
    } else if (outcome.status == FilterStatus::NotANumber) {
        ShowNumberError(outcome.badText, this);
    }
}

void TForm8::Geosync() { SelectOrbitClass(static_cast<int>(OrbitClass::Geosync)); }
void TForm8::Sunsync() { SelectOrbitClass(static_cast<int>(OrbitClass::Sunsync)); }
void TForm8::Molniya() { SelectOrbitClass(static_cast<int>(OrbitClass::Molniya)); }

void TForm8::SelectOrbitClass(int classValue) {
    const auto orbitClass = static_cast<::OrbitClass>(classValue);
    const InputAnswer answer = AppDialogs().Input(QStringLiteral("maximale Drift"),
                                                  QStringLiteral("Bitte maximale Drift (Grad/Tag) eingeben:"),
                                                  QLatin1String(DefaultDriftText(orbitClass)), this);
    const std::string text = answer.text.toStdString();
    const auto drift = ReadDriftAnswer(text);
    if (!drift) {
        ShowNumberError(text, this);
        return;
    }
    Selection().driftLimitDegDay = *drift;
    ApplyOrbitClass(orbitClass, *drift, Observer().currentJD);
    SelectionChanged();
    if (QWidget* list = AppWindows().okRightDlg)
        list->setWindowTitle(QLatin1String(OrbitClassCaptionPrefix(orbitClass)) +
                             QString::number(Satellites().selectedCount) + QStringLiteral(")"));
}

void TForm8::GeosyncList() { ShowOrbitClassList(static_cast<int>(OrbitClass::Geosync)); }
void TForm8::SunsyncList() { ShowOrbitClassList(static_cast<int>(OrbitClass::Sunsync)); }
void TForm8::MolniyaList() { ShowOrbitClassList(static_cast<int>(OrbitClass::Molniya)); }

void TForm8::ShowOrbitClassList(int classValue) {
    // The orbit-class list fills its table for the class (0 geosynchronous,
    // 1 sun-synchronous, 2 Molniya) and shows itself.
    if (TOKRightDlg* list = AppWindows().okRightDlg) list->ShowOrbitClass(classValue);
}

// ---- commands ------------------------------------------------------------------------------

bool TForm8::SelectionEmptyMessage() {
    if (Satellites().selectedCount > 0) return false;
    AppDialogs().Message(kEmptySelectionCaption, kEmptySelectionText, this);
    return true;
}

void TForm8::PrintList() {
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

void TForm8::WorldMap() {
    if (SelectionEmptyMessage()) return;
    TForm10* tracks = AppWindows().form10;
    if (!tracks) return;
    // The ground-track window clears its information labels and starts at currentJD.
    tracks->ClearInformationLabels();
    tracks->show();
    tracks->raise();
}

void TForm8::Passes() {
    if (SelectionEmptyMessage()) {
        SetPassMenusEnabled(false);
        return;
    }
    SetPassMenusEnabled(true);
    if (QWidget* dialog = AppWindows().okBottomDlg2) {
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    }
}

void TForm8::EnablePassMenus() { SetPassMenusEnabled(Satellites().selectedCount > 0); }

void TForm8::Ok() {
    EnablePassMenus();
    hide();
    QWidget* view = Observer().zoomFactor == 1 ? static_cast<QWidget*>(AppWindows().form1)
                                               : static_cast<QWidget*>(AppWindows().form2);
    if (view) {
        view->show();
        view->raise();
        view->activateWindow();
    }
}

void TForm8::ShowInfoForTableRow(int index) {
    Selection().infoFromSelection = false;
    if (Tsatmemo* info = AppWindows().satmemo) info->ShowSatellite(index, false);
}

void TForm8::ShowInfoForSelection(int index) {
    Selection().infoFromSelection = true;
    if (Tsatmemo* info = AppWindows().satmemo) info->ShowSatellite(index, true);
}

// ---- window events ---------------------------------------------------------------------------

QPushButton* TForm8::defaultButton() const { return defaultButton_; }

void TForm8::SetDefaultButton(QPushButton* button) {
    if (defaultButton_) defaultButton_->setDefault(false);
    defaultButton_ = button;
    if (defaultButton_) defaultButton_->setDefault(true);
}

void TForm8::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Observer().zoomMayClose = false;
    SyncSelectionLists();
    RefreshLists();
    countLabel_->setText(CountText(Observer().satelliteCount));
    const QString path = QString::fromStdString(Observer().elementFilePath);
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    fileLabel_->setText(path.mid(cut + 1));
    hintLabel_->setText(QStringLiteral("Sat-Info mit Doppelklick auf Sat-Namen"));
}

void TForm8::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous()) return;  // minimised: still open
    EnablePassMenus();
    Observer().timeChanged = true;
}

void TForm8::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && defaultButton_) {
        defaultButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TForm8::eventFilter(QObject* watched, QEvent* event) {
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
