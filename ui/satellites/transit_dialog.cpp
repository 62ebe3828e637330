#include "ui/satellites/transit_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <optional>

#include "core/date_text.h"
#include "core/displayed_instant.h"
#include "core/number_text.h"
#include "core/observing_place.h"
#include "prediction/selection_model.h"
#include "satellite/catalog_number.h"
#include "satellite/loaded_elements.h"
#include "satellite/satellite_table.h"
#include "ui/common/dialog_rows.h"
#include "ui/common/dialogs.h"
#include "ui/common/local_time_notice.h"
#include "ui/common/windows.h"
#include "ui/satellites/satellite_selection_window.h"
#include "ui/satellites/transit_list_window.h"

namespace {

std::string Trimmed(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.pop_back();
    return s;
}

// The selected satellites, every loaded one selected first when none is.
std::vector<TransitSatellite> SatellitesToSearch() {
    if (Satellites().selectedCount == 0 && ElementFile().satelliteCount > 0) {
        SelectAllRows();
        if (SatelliteSelectionWindow* window = AppWindows().satelliteSelectionWindow) {
            window->RefreshLists();
            window->EnablePassMenus();
        }
        Shown().timeChanged = true;
    }
    const SatelliteTable& table = Satellites();
    std::vector<TransitSatellite> satellites;
    for (int k = 0; k < table.selectedCount; ++k) {
        const ElementSet set = table.Selected(k);
        satellites.push_back({static_cast<int>(CatalogNumberOfLine(set.line1).value_or(0.0)),
                              Trimmed(set.nameLine), table.SelectedOrbit(k)});
    }
    return satellites;
}

}  // namespace

TransitDialog::TransitDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TransitDialog");
    setWindowTitle(QStringLiteral("Transite vor Sonne und Mond"));
    setModal(false);
    auto field = [this](const char* name, const QString& text) {
        auto* edit = new QLineEdit(text, this);
        edit->setObjectName(QLatin1String(name));
        return edit;
    };
    date_ = field("date", QString());
    days_ = field("days", QStringLiteral("14"));
    separation_ = field("maxSeparation", QStringLiteral("1"));
    radius_ = field("radius", QStringLiteral("15"));
    const OkCancelButtons buttons = MakeOkCancelButtons(this);
    ok_ = buttons.ok;
    cancel_ = buttons.cancel;

    auto* grid = new QGridLayout;
    AddLabelledField(grid, 0, new QLabel(QStringLiteral("ab Datum"), this), date_);
    AddLabelledField(grid, 1, new QLabel(QStringLiteral("Tage"), this), days_);
    AddLabelledField(grid, 2, new QLabel(QStringLiteral("Abstand bis Grad"), this), separation_);
    AddLabelledField(grid, 3, new QLabel(QStringLiteral("Umkreis km"), this), radius_);
    auto* note = new QLabel(
        QStringLiteral("Gesucht werden die gewählten Satelliten (ohne Wahl alle geladenen),\n"
                       "gesehen vom eingestellten Ort."),
        this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addLayout(RightAlignedButtonRow({ok_, cancel_}));
    connect(ok_, &QPushButton::clicked, this, [this] { RunSearch(); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::hide);
}

void TransitDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const JD1900 shown = Shown().currentJD;
    date_->setText(
        QString::fromStdString(DateTimeTextsOf(shown, Place().zoneOffsetAt(shown)).date));
}

bool TransitDialog::ReadParameters(TransitSearchParameters& p) {
    const QString invalid = QStringLiteral("Ungültige Eingabe");
    const std::optional<datetext::Date> date = datetext::ParseDate(date_->text().toStdString());
    if (!date) {
        AppDialogs().Message(
            QStringLiteral("Polaride"),
            QString::fromStdString(datetext::BadDateMessage(date_->text().toStdString())), this);
        return false;
    }
    int days = 0;
    if (!numtext::ParseInteger(days_->text().trimmed().toStdString(), days)) {
        ShowNotAnInteger(days_->text(), this);
        return false;
    }
    if (days < 1 || days > 60) {
        AppDialogs().Message(
            invalid, QStringLiteral("Die Anzahl der Tage muss zwischen 1 und 60 liegen."), this);
        return false;
    }
    for (QLineEdit* field : {separation_, radius_}) {
        double value = 0.0;
        if (!numtext::ParseReal(field->text().toStdString(), value)) {
            ShowNotANumber(field->text(), this);
            return false;
        }
        (field == separation_ ? p.maxSeparationDeg : p.radiusKm) = value;
    }
    if (p.maxSeparationDeg <= 0.0 || p.maxSeparationDeg > 10.0) {
        AppDialogs().Message(
            invalid, QStringLiteral("Der Abstand muss größer als 0 und höchstens 10 Grad sein."),
            this);
        return false;
    }
    if (p.radiusKm < 0.0 || p.radiusKm > 500.0) {
        AppDialogs().Message(
            invalid, QStringLiteral("Der Umkreis muss zwischen 0 und 500 km liegen."), this);
        return false;
    }
    const ObservingPlace& o = Place();
    const LocalTimeResolution local =
        o.instantFromLocal(date->year, date->month, date->day, 0, 0, 0);
    if (!AcceptLocalTime(local, this)) return false;
    p.days = days;
    p.start = local.instant.instant;
    p.place = {o.latitudeDeg, o.longitudeDeg, o.heightM / 1000.0};
    return true;
}

bool TransitDialog::RunSearch() {
    TransitSearchParameters parameters;
    if (!ReadParameters(parameters)) return false;
    TransitListWindow* list = AppWindows().transitListWindow;
    if (!list) return false;
    if (list->Searching()) {
        ShowInFront(list);
        return false;
    }
    std::vector<TransitSatellite> satellites = SatellitesToSearch();
    if (satellites.empty()) {
        AppDialogs().Message(QStringLiteral("Transite vor Sonne und Mond"),
                             QStringLiteral("Es sind keine Satelliten geladen. Bitte zuerst mit "
                                            "„Datei laden“ eine Elementdatei laden."),
                             this);
        return false;
    }
    hide();
    list->StartSearch(std::move(satellites), parameters, Place().placeName);
    return true;
}
