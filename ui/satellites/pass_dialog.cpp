#include "ui/satellites/pass_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalog/settings_file.h"
#include "core/date_text.h"
#include "core/displayed_instant.h"
#include "core/non_copyable.h"
#include "core/number_text.h"
#include "core/observing_place.h"
#include "prediction/element_age.h"
#include "prediction/night_window.h"
#include "prediction/pass_dialog_display.h"
#include "prediction/pass_lines.h"
#include "prediction/search_limits.h"
#include "satellite/loaded_elements.h"
#include "ui/common/dialog_rows.h"
#include "ui/common/dialogs.h"
#include "ui/common/local_time_notice.h"
#include "ui/common/windows.h"
#include "ui/satellites/element_update_dialog.h"
#include "ui/satellites/pass_list_window.h"

namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

bool FieldNumber(const QLineEdit* field, double& value) {
    return numtext::ParseReal(field->text().toStdString(), value);
}
bool FieldInteger(const QLineEdit* field, int& value) {
    return numtext::ParseInteger(field->text().trimmed().toStdString(), value);
}

// Sets a field's text without running its change handler.
class Quiet : NonCopyable {
  public:
    explicit Quiet(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~Quiet() { flag_ = old_; }

  private:
    bool& flag_;
    bool old_;
};

// The pass list window shows the search; the dialog answers for its fields and hides
// itself when the search begins. The workers search on their own; once they have ended
// the window shows the lines of PassList() (it is told when the passes are found).
class DialogListener : public PassSearchListener {
  public:
    DialogListener(PassDialog& dialog, PassListWindow* list) : dialog_(dialog), list_(list) {}
    void searchStarted() override {
        dialog_.hide();
        if (list_) list_->searchStarted();
    }
    void progress(const PassSearchProgress& progress) override {
        if (!list_ || SameCaption(progress, shown_)) return;
        shown_ = progress;
        list_->progress(progress);
    }
    void setStatusHeading(const std::string& heading) override {
        if (list_) list_->setStatusHeading(heading);
    }
    void clearList() override {
        if (list_) list_->clearList();
    }
    bool listsLines() const override { return false; }
    bool readNightLimits(double& maxSunAltitudeDeg, double& limitingMagnitude) override {
        return dialog_.ReadNightLimits(maxSunAltitudeDeg, limitingMagnitude);
    }
    void searchFailed(const std::string& message) override {
        if (list_)
            list_->searchFailed(message);
        else
            AppDialogs().Message(QStringLiteral("Polaride"), QString::fromStdString(message));
    }
    void noPasses() override {
        if (list_)
            list_->noPasses();
        else
            AppDialogs().Message(Utf8(kNoPassesCaption), Utf8(kNoPassesText));
    }
    void passesFound(int count) override {
        if (list_) list_->passesFound(count);
    }
    void nightsWithoutDarkness(const std::string& text) override {
        AppDialogs().Message(Utf8(kNoDarknessCaption), QString::fromStdString(text));
    }
    void satellitesSkipped(const std::string& summaryText) override {
        AppDialogs().Message(Utf8(kSkippedCaption), QString::fromStdString(summaryText));
    }

  private:
    // Whether the caption of `a` reads as that of `b` (Started and Sorting carry no
    // number, Done the pass count, the others a percentage).
    static bool SameCaption(const PassSearchProgress& a,
                            const std::optional<PassSearchProgress>& b) {
        return b && a.stage == b->stage && a.percent == b->percent && a.passCount == b->passCount;
    }

    PassDialog& dialog_;
    QPointer<PassListWindow> list_;  // the window may close while the workers search
    std::optional<PassSearchProgress> shown_;
};

}  // namespace

PassDialog::PassDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("PassDialog");
    setWindowTitle(Utf8("Durchgänge berechnen"));
    setModal(false);
    task_ = new PassSearchTask(this);
    BuildControls();
    LoadSettings();
    settingsCollector_ = AddSettingsCollector([this](SettingsFields& settings) {
        PassDialogSettings& pass = settings.pass;
        pass.days = days_->text().toStdString();
        pass.minSatelliteAltitude = minAltitude_->text().toStdString();
        pass.maxSunAltitude = maxSun_->text().toStdString();
        pass.limitingMagnitude = magnitude_->text().toStdString();
        pass.options = {shadow_->isChecked(), firstHalf_->isChecked(), secondHalf_->isChecked(),
                        duration_->isChecked(), brightest_->isChecked()};
    });
    quiet_ = false;
}

PassDialog::~PassDialog() { RemoveSettingsCollector(settingsCollector_); }

void PassDialog::BuildControls() {
    auto field = [this](const char* name, const QString& text) {
        auto* edit = new QLineEdit(text, this);
        edit->setObjectName(QLatin1String(name));
        return edit;
    };
    auto box = [this](const char* name, const char* caption, bool checked) {
        auto* check = new QCheckBox(Utf8(caption), this);
        check->setObjectName(QLatin1String(name));
        check->setChecked(checked);
        return check;
    };
    fromDate_ = field("fromDate", QString());
    fromTime_ = field("fromTime", QString());
    toDate_ = field("toDate", QString());
    toTime_ = field("toTime", QString());
    fromDate_->setEnabled(false);
    fromTime_->setEnabled(false);
    toDate_->setEnabled(false);
    toTime_->setEnabled(false);
    const QString zone = QString::fromStdString(Place().zoneNameAt(Shown().currentJD));
    fromZone_ = new QLabel(zone, this);
    toZone_ = new QLabel(zone, this);
    daysLabel_ = new QLabel(Utf8("Anzahl Tage"), this);
    days_ = field("days", QStringLiteral("1"));
    minAltitude_ = field("minAltitude", QStringLiteral("10"));
    maxSun_ = field("maxSunAltitude", QStringLiteral("-5"));
    magnitude_ = field("limitingMagnitude", QStringLiteral("6"));
    shadow_ = box("shadow", "Schattenberechnung", true);
    firstHalf_ = box("firstHalf", "erste Nachthälfte", true);
    secondHalf_ = box("secondHalf", "zweite Nachthälfte", true);
    duration_ = box("duration", "Dauer in Minuten", false);
    brightest_ = box("brightest", "maximale Helligkeit suchen", false);
    const OkCancelButtons buttons = MakeOkCancelButtons(this);
    ok_ = buttons.ok;
    cancel_ = buttons.cancel;

    auto* grid = new QGridLayout;
    int row = 0;
    grid->addWidget(new QLabel(QStringLiteral("von"), this), row, 0);
    grid->addWidget(fromDate_, row, 1);
    grid->addWidget(fromTime_, row, 2);
    grid->addWidget(fromZone_, row++, 3);
    grid->addWidget(new QLabel(QStringLiteral("bis"), this), row, 0);
    grid->addWidget(toDate_, row, 1);
    grid->addWidget(toTime_, row, 2);
    grid->addWidget(toZone_, row++, 3);
    grid->addWidget(daysLabel_, row, 0, 1, 2);
    grid->addWidget(days_, row++, 2);
    grid->addWidget(new QLabel(Utf8("minimale Satellitenhöhe"), this), row, 0, 1, 2);
    grid->addWidget(minAltitude_, row, 2);
    grid->addWidget(new QLabel(QStringLiteral("Grad"), this), row++, 3);
    grid->addWidget(new QLabel(Utf8("maximale Sonnenhöhe"), this), row, 0, 1, 2);
    grid->addWidget(maxSun_, row, 2);
    grid->addWidget(new QLabel(QStringLiteral("Grad"), this), row++, 3);
    for (QCheckBox* check : {shadow_, firstHalf_, secondHalf_, duration_, brightest_})
        grid->addWidget(check, row++, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Grenzhelligkeit mag"), this), row, 0, 1, 2);
    grid->addWidget(magnitude_, row++, 2);
    elementAge_ = new QLabel(this);
    elementAge_->setObjectName("elementAge");
    elementAge_->setTextFormat(Qt::PlainText);
    elementAge_->setWordWrap(true);
    elementAge_->setStyleSheet(QStringLiteral("color: #a00000"));
    updateElements_ = NamedButton(Utf8("Elemente aktualisieren…"), "updateElements", this,
                                  [] { ShowInFront(AppWindows().elementUpdateDialog); });
    elementAge_->setVisible(false);
    updateElements_->setVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(elementAge_);
    layout->addLayout(RightAlignedButtonRow({updateElements_}));
    layout->addLayout(RightAlignedButtonRow({ok_, cancel_}));

    connect(ok_, &QPushButton::clicked, this, [this] { RunSearch(); });
    connect(cancel_, &QPushButton::clicked, this, &PassDialog::Cancel);
    connect(days_, &QLineEdit::textChanged, this, &PassDialog::DaysChanged);
    connect(maxSun_, &QLineEdit::textChanged, this, &PassDialog::MaxSunChanged);
    connect(fromDate_, &QLineEdit::textChanged, this, &PassDialog::FromChanged);
    connect(fromTime_, &QLineEdit::textChanged, this, &PassDialog::FromChanged);
    connect(firstHalf_, &QCheckBox::clicked, this, &PassDialog::FirstHalfClicked);
    connect(secondHalf_, &QCheckBox::clicked, this, &PassDialog::SecondHalfClicked);
    connect(duration_, &QCheckBox::toggled, this, &PassDialog::DurationToggled);
}

void PassDialog::LoadSettings() {
    const PassDialogSettings& pass = PassDialogFields();
    days_->setText(QString::fromStdString(pass.days));
    minAltitude_->setText(QString::fromStdString(pass.minSatelliteAltitude));
    maxSun_->setText(QString::fromStdString(pass.maxSunAltitude));
    magnitude_->setText(QString::fromStdString(pass.limitingMagnitude));
    shadow_->setChecked(pass.options[0]);
    // Without the second half the first one is always on.
    firstHalf_->setChecked(pass.options[1] || !pass.options[2]);
    secondHalf_->setChecked(pass.options[2]);
    duration_->setChecked(pass.options[3]);
    brightest_->setChecked(pass.options[4]);
    // Setting the duration switch rewrote the field.
    days_->setText(QString::fromStdString(pass.days));
}

void PassDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!duration_->isChecked() && !days_->text().isEmpty()) NightDisplay();
    ShowElementAge();
}

void PassDialog::ShowElementAge() {
    const std::string text = StaleElementsText(StaleSelectedElements(windowStart_, windowEnd_));
    elementAge_->setText(Utf8(text.c_str()));
    elementAge_->setVisible(!text.empty());
    updateElements_->setVisible(!text.empty());
}

void PassDialog::Cancel() { hide(); }

void PassDialog::DaysChanged() {
    if (quiet_) return;
    if (duration_->isChecked())
        DurationDisplay();
    else if (!days_->text().isEmpty())
        NightDisplay();
}

void PassDialog::MaxSunChanged() {
    if (quiet_ || maxSun_->text().isEmpty()) return;
    NightDisplay();
}

void PassDialog::FromChanged() {
    if (quiet_) return;
    DurationDisplay();
}

void PassDialog::FirstHalfClicked() {
    if (!firstHalf_->isChecked() && !secondHalf_->isChecked()) secondHalf_->setChecked(true);
    if (!quiet_) NightDisplay();
}

void PassDialog::SecondHalfClicked() {
    if (!firstHalf_->isChecked() && !secondHalf_->isChecked()) firstHalf_->setChecked(true);
    if (!quiet_) NightDisplay();
}

void PassDialog::DurationToggled(bool checked) {
    fromDate_->setEnabled(checked);
    fromTime_->setEnabled(checked);
    daysLabel_->setText(checked ? Utf8("Dauer (Min)") : Utf8("Anzahl Tage"));
    maxSun_->setEnabled(!checked);
    firstHalf_->setEnabled(!checked);
    secondHalf_->setEnabled(!checked);
    days_->setText(checked ? QStringLiteral("60") : QStringLiteral("1"));
}

void PassDialog::DurationDisplay() {
    ObservingPlace& o = Place();
    const std::optional<datetext::Date> date = datetext::ParseDate(fromDate_->text().toStdString());
    if (!date) return;
    const std::optional<datetext::Time> time = datetext::ParseTime(fromTime_->text().toStdString());
    if (!time) return;
    if (Shown().year > Shown().latestYear) Shown().year = Shown().latestYear;
    int minutes = 0;
    if (!days_->text().trimmed().isEmpty() && !FieldInteger(days_, minutes)) return;
    const LocalTimeResolution local = o.instantFromLocal(date->year, date->month, date->day,
                                                         time->hour, time->minute, time->second);
    const JD1900 start = local.instant.instant;
    const JD1900 end = start + minutes / 1440.0;
    PassWindowState& window = PassWindow();
    window.windowStart = windowStart_ = start;
    window.windowEnd = windowEnd_ = end;
    ShowElementAge();
    ShowZones(start, end);
    // The typed date and time in their standard form, then the end. A time the zone
    // skips stays as typed: the search refuses it with its message.
    FormatDateTime1900(start);
    if (local.kind != LocalTimeKind::Skipped) {
        Quiet quiet(quiet_);
        if (fromDate_->text() != QString::fromStdString(DateText))
            fromDate_->setText(QString::fromStdString(DateText));
        if (fromTime_->text() != QString::fromStdString(TimeText))
            fromTime_->setText(QString::fromStdString(TimeText));
    }
    FormatDateTime1900(end);
    toDate_->setText(QString::fromStdString(DateText));
    toTime_->setText(QString::fromStdString(TimeText));
}

void PassDialog::RaiseSunLimit(double limitDeg) {
    const QString text = QString::fromStdString(numtext::FormatNumber(limitDeg));
    {
        Quiet quiet(quiet_);
        maxSun_->setText(text);
    }
    AppDialogs().Message(Utf8("max Sonnenhöhe zu klein"), Utf8("neue maximale Sonnenhöhe ") + text,
                         this);
}

void PassDialog::ShowZones(JD1900 start, JD1900 end) {
    const ObservingPlace& o = Place();
    fromZone_->setText(QString::fromStdString(o.zoneNameAt(start)));
    toZone_->setText(QString::fromStdString(o.zoneNameAt(end)));
}

void PassDialog::NightDisplay() {
    ShowZones(Shown().currentJD, Shown().currentJD);
    Quiet quiet(quiet_);
    // The chart's current date.
    FormatDateTime1900(Shown().currentJD);
    fromDate_->setText(QString::fromStdString(DateText));
    const std::optional<datetext::Date> date = datetext::ParseDate(DateText);
    const std::optional<datetext::Time> time = datetext::ParseTime(TimeText);
    int nights = 0;
    double limit = 0.0;
    if (date && time && FieldInteger(days_, nights) && FieldNumber(maxSun_, limit)) {
        const NightSpan span =
            ComputeNightSpan(date->year, date->month, date->day, time->hour, nights, limit,
                             firstHalf_->isChecked(), secondHalf_->isChecked(), Place());
        for (const double raised : span.raisedLimitsDeg) RaiseSunLimit(raised);
        windowStart_ = span.start;
        windowEnd_ = span.end;
        ShowElementAge();
        ShowZones(span.start, span.end);
        FormatDateTime1900(span.start);
        fromDate_->setText(QString::fromStdString(DateText));
        fromTime_->setText(QString::fromStdString(TimeText));
        FormatDateTime1900(span.end);
        toDate_->setText(QString::fromStdString(DateText));
        toTime_->setText(QString::fromStdString(TimeText));
    }
    FormatDateTime1900(Shown().currentJD);
}

bool PassDialog::MinimumAltitude(double& degrees) const {
    return FieldNumber(minAltitude_, degrees);
}

bool PassDialog::ReadNightLimits(double& maxSunAltitudeDeg, double& limitingMagnitude) {
    if (!FieldNumber(maxSun_, maxSunAltitudeDeg)) {
        ShowNotANumber(maxSun_->text(), this);
        return false;
    }
    if (!FieldNumber(magnitude_, limitingMagnitude)) {
        ShowNotANumber(magnitude_->text(), this);
        return false;
    }
    return true;
}

bool PassDialog::ReadParameters(PassSearchParameters& p, bool tonight) {
    p.shadow = shadow_->isChecked();
    p.firstHalf = firstHalf_->isChecked();
    p.secondHalf = secondHalf_->isChecked();
    p.durationMode = !tonight && duration_->isChecked();
    p.brightest = brightest_->isChecked();
    if (!FieldNumber(minAltitude_, p.minAltitudeDeg)) {
        ShowNotANumber(minAltitude_->text(), this);
        return false;
    }
    int count = 0;  // nights, or minutes in duration mode
    if (p.durationMode) {
        p.nights = 1;
        // The window of the "von" fields and the minutes.
        PassWindowState& window = PassWindow();
        window.windowStart = window.windowEnd = 0.0;
        const std::optional<datetext::Date> date =
            datetext::ParseDate(fromDate_->text().toStdString());
        if (!date) {
            AppDialogs().Message(
                QStringLiteral("Polaride"),
                QString::fromStdString(datetext::BadDateMessage(fromDate_->text().toStdString())),
                this);
            return false;
        }
        const std::optional<datetext::Time> time =
            datetext::ParseTime(fromTime_->text().toStdString());
        if (!time) {
            AppDialogs().Message(
                QStringLiteral("Polaride"),
                QStringLiteral("'%1' ist keine gültige Zeit").arg(fromTime_->text()), this);
            return false;
        }
        if (!FieldInteger(days_, count)) {
            ShowNotAnInteger(days_->text(), this);
            return false;
        }
        const LocalTimeResolution local = Place().instantFromLocal(
            date->year, date->month, date->day, time->hour, time->minute, time->second);
        if (!AcceptLocalTime(local, this)) return false;
        window.windowStart = local.instant.instant;
        window.windowEnd = window.windowStart + count / 1440.0;
    } else if (tonight) {
        count = p.nights = 1;
    } else if (!FieldInteger(days_, p.nights)) {
        ShowNotAnInteger(days_->text(), this);
        return false;
    } else {
        count = p.nights;
    }
    if (!ReadNightLimits(p.maxSunAltitudeDeg, p.limitingMagnitude)) return false;
    // Numbers outside the search's bounds: a window of two billion nights would never end.
    if (const auto problem = SearchParameterProblem(p, count)) {
        AppDialogs().Message(Utf8("Ungültige Eingabe"), QString::fromStdString(*problem), this);
        return false;
    }
    return true;
}

PassSearchTask::Start PassDialog::RunSearch() {
    if (PassSearchActive()) {
        // One search at a time: the running one goes on.
        hide();
        return PassSearchTask::Start::Refused;
    }
    return Search(false);
}

PassSearchTask::Start PassDialog::RunTonightSearch() {
    if (PassSearchActive()) return PassSearchTask::Start::Refused;
    return Search(true);
}

PassSearchTask::Start PassDialog::Search(bool tonight) {
    PassSearchParameters parameters;
    if (!ReadParameters(parameters, tonight)) return PassSearchTask::Start::Failed;
    task_->setProgressInterval(searchEventIntervalMs);
    return task_->Begin(parameters,
                        std::make_unique<DialogListener>(*this, AppWindows().passListWindow));
}
