#include "ui/satellites/satellite_info_window.h"

#include <QFont>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>

#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "prediction/orbit_plane_observer.h"
#include "prediction/satellite_info_ndot.h"
#include "prediction/satellite_info_page.h"
#include "prediction/satellite_info_plane.h"
#include "prediction/selection_state.h"
#include "satellite/column_number.h"
#include "satellite/loaded_elements.h"
#include "satellite/satellite_table.h"
#include "satellite/sgp.h"
#include "ui/common/dialogs.h"

namespace {

void ShowNumberError(const std::string& text, QWidget* parent) {
    ShowNotANumber(QString::fromLatin1(text.c_str()), parent);
}

// The first number column of the two element lines that the orbit model reads and
// that does not convert (empty when all do).
std::string UnreadableElementText(const ElementSet& set) {
    const struct {
        const std::string* line;
        int first, last;
        const char* prefix;
    } columns[] = {{&set.line1, 19, 20, ""}, {&set.line1, 21, 23, ""}, {&set.line1, 24, 32, "0"},
                   {&set.line2, 9, 16, ""},  {&set.line2, 18, 25, ""}, {&set.line2, 27, 33, "0."},
                   {&set.line2, 35, 42, ""}, {&set.line2, 44, 51, ""}, {&set.line2, 53, 63, ""}};
    for (const auto& c : columns) {
        const std::string text = c.prefix + std::string(ColumnText(*c.line, c.first, c.last));
        if (!ParseNumber(text)) return text;
    }
    return {};
}

bool FromSelection() { return Selection().infoFromSelection; }

// Position in the text list of the current source of line `line` (0 name, 1, 2) of entry index.
const std::string* SourceLine(int index, int line) {
    TextLines& lines = FromSelection() ? Satellites().selectedSets : Satellites().allSets;
    const std::size_t position =
        3 * static_cast<std::size_t>(index) + static_cast<std::size_t>(line);
    return position < lines.size() ? &lines[position] : nullptr;
}

}  // namespace

SatelliteInfoWindow::SatelliteInfoWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Satinfo"));
    auto* layout = new QVBoxLayout(this);
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(true);
    font.setPixelSize(13);
    text_->setFont(font);
    layout->addWidget(text_);

    auto* buttons = new QHBoxLayout;
    auto button = [this, buttons](const QString& text, const char* name,
                                  void (SatelliteInfoWindow::*action)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, action);
        buttons->addWidget(b);
        return b;
    };
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    buttons->addWidget(ok);
    button(QStringLiteral("<"), "previousButton", &SatelliteInfoWindow::Previous);
    button(QStringLiteral(">"), "nextButton", &SatelliteInfoWindow::Next);
    button(QString::fromUtf8("ndot ändern"), "ndotButton", &SatelliteInfoWindow::ChangeNdot);
    button(QStringLiteral("Bahnebene"), "orbitPlaneButton", &SatelliteInfoWindow::OrbitPlane);
    layout->addLayout(buttons);
    resize(620, 440);
}

int SatelliteInfoWindow::Count() const {
    if (FromSelection()) return Satellites().selectedCount;
    const int fromLines = static_cast<int>(Satellites().allSets.size() / 3);
    return std::clamp(ElementFile().satelliteCount, 0, fromLines);
}

void SatelliteInfoWindow::ShowSatellite(int index, bool fromSelection) {
    Selection().infoFromSelection = fromSelection;
    index_ = index;
    if (isVisible())
        FillText();
    else
        show();  // the show event fills the page
    raise();
}

void SatelliteInfoWindow::FillText() {
    const int count = Count();
    if (index_ < 0 || index_ >= count) return;
    const SatelliteTable& table = Satellites();
    const ElementSet set = FromSelection() ? table.Selected(index_) : table.Row(index_ + 1);
    const int row = FromSelection() ? table.SelectedRow(index_) : index_ + 1;
    const bool rowValid = table.HasRowSlot(row);

    // The orbit at the epoch: semi-major axis, eccentricity and the two rates.
    const SatelliteOrbit& satellite =
        FromSelection() ? table.SelectedOrbit(index_) : table.OrbitOfRow(row);
    if (!satellite.readable) {
        ShowNumberError(UnreadableElementText(set), this);
        return;
    }
    const OrbitState state = Propagate(satellite, satellite.elements.epoch);
    const EpochOrbit orbit{state.semiMajorAxisER, state.eccentricity, state.nodeRate,
                           state.perigeeRate, satellite.model};

    const InfoPage page =
        SatelliteInfoPage(set, rowValid ? table.standardMagnitude[row] : 6.0,
                          rowValid && table.magnitudeKnown[row] != 0, orbit, Shown().currentJD);
    if (!page.ok) {
        ShowNumberError(page.badText, this);
        return;
    }
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(page.lines.size()));
    for (const std::string& line : page.lines) lines.push_back(QString::fromStdString(line));
    text_->hide();
    text_->setPlainText(lines.join(QLatin1Char('\n')));
    text_->show();
    setWindowTitle(QString::fromStdString(InfoCaption(index_, count)));
}

void SatelliteInfoWindow::ShowListEnd(const ListEndMessage& selection,
                                      const ListEndMessage& elementFile) {
    const ListEndMessage& m = FromSelection() ? selection : elementFile;
    AppDialogs().Message(QString::fromUtf8(m.caption), QString::fromUtf8(m.text), this);
}

void SatelliteInfoWindow::Previous() {
    if (index_ <= 0) {
        ShowListEnd({"Listenanfang", "Der Anfang der Auswahl-Liste ist erreicht"},
                    {"Dateianfang", "Der Anfang der Bahnelemente-Datei ist erreicht"});
        return;
    }
    --index_;
    FillText();
}

void SatelliteInfoWindow::Next() {
    if (index_ >= Count() - 1) {
        ShowListEnd({"Listenende", "Das Ende der Auswahl-Liste ist erreicht"},
                    {"Dateiende", "Das Ende der Bahnelemente-Datei ist erreicht"});
        return;
    }
    ++index_;
    FillText();
}

void SatelliteInfoWindow::ChangeNdot() {
    const std::string* line1 = index_ >= 0 && index_ < Count() ? SourceLine(index_, 1) : nullptr;
    if (!line1) return;
    const std::string proposed = NdotText(*line1);
    const InputAnswer answer = AppDialogs().Input(QString::fromUtf8("ndot/2 ändern"),
                                                  QStringLiteral("Bitte neues ndot/2 eingeben"),
                                                  QString::fromLatin1(proposed.c_str()), this);
    const QByteArray typed = answer.text.toLatin1();
    const NdotChangeResult result = ChangeNdotField(*line1, typed.toStdString(), proposed);
    switch (result.change) {
        case NdotChange::Unchanged:
            return;
        case NdotChange::NotANumber:
            ShowNumberError(typed.toStdString(), this);
            return;
        case NdotChange::TooLarge:
            AppDialogs().Message(QStringLiteral("Fehler bei Eingabe"),
                                 QString::fromUtf8("Der Betrag von ndot/2 muß kleiner als 1 sein!"),
                                 this);
            return;
        case NdotChange::Changed: {
            if (FromSelection())
                Satellites().ReplaceSelectedLine1(index_, result.newLine1);
            else
                Satellites().ReplaceLine1(index_ + 1, result.newLine1);
            FillText();
            return;
        }
    }
}

void SatelliteInfoWindow::OrbitPlane() {
    if (index_ < 0 || index_ >= Count()) return;
    const ElementSet set =
        FromSelection() ? Satellites().Selected(index_) : Satellites().Row(index_ + 1);
    const auto inclination = ColumnNumber(set.line2, 9, 16);
    const std::string eccentricityText = "0." + std::string(ColumnText(set.line2, 27, 33));
    const auto eccentricity = ParseNumber(eccentricityText);
    if (!inclination) {
        ShowNumberError(std::string(ColumnText(set.line2, 9, 16)), this);
        return;
    }
    if (!eccentricity) {
        ShowNumberError(eccentricityText, this);
        return;
    }
    OrbitPlaneInput in =
        OrbitPlaneInputForObserver(*inclination, *eccentricity, Place(), Shown().currentJD);

    OrbitPlanePassage passage = ComputeOrbitPlanePassage(in);  // reach of the orbit first
    if (passage.passes) {
        const SatelliteTable& table = Satellites();
        const OrbitState state =
            Propagate(FromSelection() ? table.SelectedOrbit(index_) : table.OrbitOfRow(index_ + 1),
                      Shown().currentJD);
        if (state.failed()) return;  // the orbit cannot be computed: nothing to say
        in.argumentOfLatitude = state.argumentOfLatitudeRad;
        in.perigeeRad = state.perigeeRad;
        in.meanMotionRevDay = state.meanMotionRevDay;
        in.nodeRad = state.osculatingNodeRad;
        in.nodeRateRadMin = state.nodeRate;
        passage = ComputeOrbitPlanePassage(in);
    }
    AppDialogs().Message(QString::fromUtf8(kOrbitPlaneCaption),
                         QString::fromStdString(OrbitPlaneMessage(passage, Place())), this);
}

QStringList SatelliteInfoWindow::pageLines() const {
    return text_->toPlainText().split(QLatin1Char('\n'));
}

void SatelliteInfoWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FillText();
}
