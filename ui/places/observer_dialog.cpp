#include "ui/places/observer_dialog.h"

#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "catalog/place_entry.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/number_text.h"
#include "core/observing_place.h"
#include "core/zone_rule.h"
#include "ui/common/dialog_rows.h"
#include "ui/common/dialogs.h"
#include "ui/common/table_views.h"
#include "ui/common/windows.h"
#include "ui/places/place_messages.h"
#include "ui/places/redraw_active_view.h"

namespace {

const char* const kFieldLabels[7] = {
    "Beobachtungsort",   "Geogr. Länge (Grad)",  "Geogr. Breite (Grad)", "Höhe ü. NN (m)",
    "Name der Zeitzone", "Zeitzone - UTC (Std)", "Grenzgröße (mag)",
};

// The reminder of common zones (not parsed).
const char* const kZoneReminder[] = {
    "Mitteleuropäische Sommerzeit   MESZ   +2", "Mitteleuropäische Zeit   MEZ   +1",
    "Eastern Standard Time   EST   -5",         "Eastern Daylight Saving Time   EDT   -4",
    "Central Standard Time   CST   -6",         "Central Daylight Saving Time   CDT   -5",
    "Mountain Standard Time   MST   -7",        "Mountain Daylight Saving Time   MDT   -6",
    "Pacific Standard Time   PST   -8",         "Pacific Daylight Saving Time   PDT   -7",
};

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace

ObserverDialog::ObserverDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Parameter"));
    KeepZoomWindowOpenBehind(this);

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* grid = new QGridLayout(panel);
    for (int i = 0; i < 7; ++i) {
        auto* label = new QLabel(QString::fromUtf8(kFieldLabels[i]), panel);
        fields_[i] = new QLineEdit(panel);
        fields_[i]->setFixedWidth(121);
        // The zone picker goes above the fixed zone's fields.
        AddLabelledField(grid, i < ZoneName ? i : i + 1, label, fields_[i]);
    }
    zoneRule_ = new QComboBox(panel);
    zoneRule_->setObjectName(QStringLiteral("zoneRule"));
    zoneRule_->setEditable(true);
    zoneRule_->setInsertPolicy(QComboBox::NoInsert);
    // Wide enough for the longer names, not for the longest of all.
    zoneRule_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    zoneRule_->setMinimumContentsLength(24);
    zoneRule_->addItem(QString::fromUtf8(kFixedZoneEntry));
    for (const std::string& name : ZoneRuleNames())
        zoneRule_->addItem(QString::fromStdString(name));
    zoneRule_->completer()->setFilterMode(Qt::MatchContains);
    zoneRule_->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    zoneRule_->completer()->setCompletionMode(QCompleter::PopupCompletion);
    AddLabelledField(grid, ZoneName, new QLabel(QStringLiteral("Zeitzone"), panel), zoneRule_);
    connect(zoneRule_, &QComboBox::currentTextChanged, this, [this] { ZoneRulePicked(); });

    memo_ = new QPlainTextEdit(this);
    memo_->setReadOnly(true);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette grey = memo_->palette();
    grey.setColor(QPalette::Base, QColor(192, 192, 192));
    memo_->setPalette(grey);
    QStringList reminder;
    for (const char* line : kZoneReminder) reminder << QString::fromUtf8(line);
    memo_->setPlainText(reminder.join(QLatin1Char('\n')));
    // Every reminder line whole, without scrolling sideways.
    int widest = 0;
    for (const QString& line : reminder)
        widest = std::max(widest, memo_->fontMetrics().horizontalAdvance(line));
    const int margin = static_cast<int>(std::ceil(memo_->document()->documentMargin()));
    SetMinimumViewport(memo_, widest + 2 * margin + 1, 1);
    memo_->setFixedHeight(90);

    const OkCancelButtons buttons = MakeOkCancelButtons(this);
    connect(buttons.ok, &QPushButton::clicked, this, &ObserverDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &ObserverDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(memo_);
    layout->addLayout(RightAlignedButtonRow({buttons.ok, buttons.cancel}));
    layout->setSizeConstraint(QLayout::SetFixedSize);  // fixed border
}

void ObserverDialog::LoadFields() {
    const auto values = location::ParameterFieldsOf(Place(), ViewOptions(), Shown().currentJD);
    const std::string* texts[7] = {&values.placeName,        &values.longitude, &values.latitude,
                                   &values.height,           &values.zoneName,  &values.zoneOffset,
                                   &values.limitingMagnitude};
    for (int i = 0; i < 7; ++i) fields_[i]->setText(QString::fromStdString(*texts[i]));
    zoneRule_->setCurrentText(values.zoneRule.empty() ? QString::fromUtf8(kFixedZoneEntry)
                                                      : QString::fromStdString(values.zoneRule));
    ZoneRulePicked();
}

std::string ObserverDialog::PickedRule() const {
    const QString text = zoneRule_->currentText().trimmed();
    if (text.isEmpty() || text == QString::fromUtf8(kFixedZoneEntry)) return {};
    return text.toStdString();
}

void ObserverDialog::ZoneRulePicked() {
    const std::string rule = PickedRule();
    const bool byRule = ZoneRuleKnown(rule);
    fields_[ZoneName]->setReadOnly(byRule);
    fields_[ZoneOffset]->setReadOnly(byRule);
    if (!byRule) return;
    const ZoneInForce zone = ZoneAtInstant(rule, Shown().currentJD);
    fields_[ZoneName]->setText(QString::fromStdString(zone.name));
    fields_[ZoneOffset]->setText(QString::fromStdString(numtext::FormatNumber(zone.offsetHours)));
}

void ObserverDialog::showEvent(QShowEvent* event) {
    LoadFields();
    QDialog::showEvent(event);
}

void ObserverDialog::accept() {
    location::ParameterFields values;
    values.placeName = Text(fields_[PlaceName]);
    values.longitude = Text(fields_[Longitude]);
    values.latitude = Text(fields_[Latitude]);
    values.height = Text(fields_[Height]);
    values.zoneName = Text(fields_[ZoneName]);
    values.zoneOffset = Text(fields_[ZoneOffset]);
    values.limitingMagnitude = Text(fields_[LimitingMagnitude]);
    values.zoneRule = PickedRule();
    if (!values.zoneRule.empty() && !ZoneRuleKnown(values.zoneRule)) {
        AppDialogs().Message(QString::fromUtf8(location::kInvalidEntryCaption),
                             QStringLiteral("Unbekannte Zeitzone '%1' (z. B. Europe/Berlin)")
                                 .arg(QString::fromStdString(values.zoneRule)),
                             this);
        return;  // the dialog stays open
    }
    const auto result = location::ApplyParameterFields(values, Place(), ViewOptions());
    if (!result.ok()) {
        location::ShowPlaceFieldError(result, this);
        return;  // the dialog stays open
    }
    RedrawActiveView();
    QDialog::accept();
}

void ObserverDialog::reject() { QDialog::reject(); }
