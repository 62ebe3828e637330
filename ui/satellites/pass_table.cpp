#include "ui/satellites/pass_table.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QTableWidget>
#include <cmath>
#include <limits>

#include "core/json_text.h"
#include "core/observer_state.h"
#include "satellite/satellite_table.h"
#include "ui/common/table_views.h"

namespace {

constexpr int kValueRole = Qt::UserRole + 1;    // what the cell sorts by
constexpr int kListRowRole = Qt::UserRole + 2;  // the list line of the row (first column)
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

QString Utf8(const std::string& text) { return QString::fromUtf8(text.data(), text.size()); }

// A cell that sorts by its value (text cells by their text, ignoring case); a missing
// value sorts after every number.
class PassCell : public QTableWidgetItem {
  public:
    PassCell(const QString& text, double value) : QTableWidgetItem(text) {
        setData(kValueRole, value);
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const double a = data(kValueRole).toDouble(), b = other.data(kValueRole).toDouble();
        if (std::isnan(a) && std::isnan(b))
            return text().compare(other.text(), Qt::CaseInsensitive) < 0;
        if (std::isnan(a) != std::isnan(b)) return std::isnan(b);
        return a < b;
    }
};

struct Heading {
    const char* caption;
    const char* tip;
};
const Heading kHeadings[kPassColumnCount] = {
    {"Satellit", "Name des Satelliten aus der Elementdatei"},
    {"Datum", "Ortsdatum des Beginns"},
    {"Beginn", "Ortszeit, zu der der Satellit sichtbar wird (Tooltip: wodurch)"},
    {"Höhe", "Höhe über dem Horizont zu Beginn"},
    {"Richtung", "Himmelsrichtung zu Beginn (O = Osten)"},
    {"höchster Punkt", "Ortszeit des höchsten Punkts"},
    {"Höhe", "größte Höhe über dem Horizont"},
    {"Richtung", "Himmelsrichtung am höchsten Punkt"},
    {"Ende", "Ortszeit, zu der der Satellit nicht mehr sichtbar ist"},
    {"Höhe", "Höhe über dem Horizont am Ende"},
    {"Richtung", "Himmelsrichtung am Ende"},
    {"mag",
     "Helligkeit am höchsten Punkt (mit \"maximale Helligkeit suchen\": die größte); "
     "\":\" dahinter: Standardhelligkeit unbekannt, geschätzt"},
    {"endet durch",
     "Untergang: sinkt unter die Mindesthöhe; Schatten: tritt in den Erdschatten; "
     "Dämmerung: der Himmel wird zu hell"},
    {"Zeitpunkt",
     "der gelistete Zeitpunkt der klassischen Liste (Ortszeit); \"*\" dahinter: "
     "er ist ein Schatteneintritt oder -austritt"},
    {"sath", "Höhe des Satelliten zum gelisteten Zeitpunkt"},
    {"sataz", "Himmelsrichtung zum gelisteten Zeitpunkt"},
    {"Entf", "Entfernung zum gelisteten Zeitpunkt in km"},
    {"Pos", "Bewegungsrichtung zum gelisteten Zeitpunkt in Grad"},
    {"Sonne", "Sonnenhöhe zum gelisteten Zeitpunkt"},
};

QString Degrees(double value, int decimals) {
    return Utf8(FixedText(value, decimals)) + QStringLiteral("°");
}
DateTimeTexts LocalTexts(JD1900 t) { return DateTimeTextsOf(t, Observer().zoneOffsetAt(t)); }
QString Trimmed(const std::string& text) { return Utf8(text).trimmed(); }

// The name field of the name line (the list line shows its first 16 characters only), or
// the catalogue number of a set without a name.
QString SatelliteName(const PassRecord& pass) {
    const QString number = QString::number(pass.catalogNumber, 'f', 0);
    if (pass.name.empty() || pass.name.front() == ' ') return number;
    return Trimmed(jsontext::ReadableUtf8(WholeDisplayName(ElementSet{pass.name, {}, {}})));
}

void SetCell(QTableWidget* table, int row, int column, const QString& text, double value,
             const QString& tip = {}) {
    auto* cell = new PassCell(text, value);
    if (!tip.isEmpty()) cell->setToolTip(tip);
    if (column != kSatelliteColumn && column != kEndReasonColumn)
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setItem(row, column, cell);
}

// Time, altitude and direction of one event, from `column` on.
void SetEventCells(QTableWidget* table, int row, int column, const PassEvent& event, bool found,
                   const QString& timeTip) {
    if (!found) {
        for (int c = column; c < column + 3; ++c)
            SetCell(table, row, c, QStringLiteral("–"), kNoValue);
        return;
    }
    SetCell(table, row, column, Utf8(LocalTexts(event.time).time), event.time, timeTip);
    SetCell(table, row, column + 1, Degrees(event.altitudeDeg, 0), event.altitudeDeg);
    SetCell(table, row, column + 2, Utf8(EventCompassWord(event)), event.azimuthDeg,
            Degrees(event.azimuthDeg, 0) + QStringLiteral(" von Norden über Osten"));
}

}  // namespace

QString EndReasonWord(PassLimit limit) {
    switch (limit) {
        case PassLimit::Altitude:
            return QStringLiteral("Untergang");
        case PassLimit::Shadow:
            return QStringLiteral("Schatten");
        case PassLimit::Twilight:
            return QStringLiteral("Dämmerung");
        case PassLimit::Open:
            break;
    }
    return QStringLiteral("offen");
}

QString StartReasonWords(PassLimit limit) {
    switch (limit) {
        case PassLimit::Altitude:
            return QStringLiteral("Aufgang über die Mindesthöhe");
        case PassLimit::Shadow:
            return QStringLiteral("Austritt aus dem Erdschatten");
        case PassLimit::Twilight:
            return QStringLiteral("der Himmel wird dunkel genug");
        case PassLimit::Open:
            break;
    }
    return QStringLiteral("sichtbar seit mehr als einem Tag");
}

void SetUpPassTable(QTableWidget* table) {
    table->setColumnCount(kPassColumnCount);
    for (int c = 0; c < kPassColumnCount; ++c) {
        auto* item = new QTableWidgetItem(QString::fromUtf8(kHeadings[c].caption));
        item->setToolTip(QString::fromUtf8(kHeadings[c].tip));
        item->setData(Qt::InitialSortOrderRole, Qt::AscendingOrder);
        table->setHorizontalHeaderItem(c, item);
    }
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    QHeaderView* heading = table->horizontalHeader();
    heading->setSectionsClickable(true);
    heading->setSortIndicatorShown(true);
    heading->setSortIndicator(-1, Qt::AscendingOrder);  // list order
    heading->setHighlightSections(false);
    QObject::connect(heading, &QHeaderView::sortIndicatorChanged, table,
                     [table](int column, Qt::SortOrder order) {
                         if (column >= 0) table->sortItems(column, order);
                     });
    ShowClassicColumns(table, false);
}

void FillPassTable(QTableWidget* table, const std::vector<PassRecord>& passes) {
    table->clearContents();
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table->setRowCount(static_cast<int>(passes.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const PassRecord& pass = passes[static_cast<std::size_t>(row)];
        const PassEvents& e = pass.events;
        const JD1900 begin = e.found ? e.start.time : pass.time;
        SetCell(table, row, kSatelliteColumn, SatelliteName(pass), kNoValue,
                QStringLiteral("Katalognummer %1").arg(pass.catalogNumber, 0, 'f', 0));
        table->item(row, kSatelliteColumn)->setData(kListRowRole, row);
        SetCell(table, row, kDateColumn, Utf8(LocalTexts(begin).date), begin);
        SetEventCells(table, row, kStartTimeColumn, e.start, e.found,
                      StartReasonWords(e.startLimit));
        SetEventCells(table, row, kHighestTimeColumn, e.highest, e.found, {});
        SetEventCells(table, row, kEndTimeColumn, e.end, e.found, {});
        const double magnitude = !e.found           ? pass.magnitude
                                 : e.brightestFound ? e.brightest.magnitude
                                                    : e.highest.magnitude;
        SetCell(
            table, row, kMagnitudeColumn,
            Utf8(FixedText(magnitude, 1)) + (pass.magnitudeKnown ? QString() : QStringLiteral(":")),
            magnitude);
        SetCell(table, row, kEndReasonColumn, e.found ? EndReasonWord(e.endLimit) : QString(),
                kNoValue);
        SetCell(table, row, kListedTimeColumn,
                Utf8(LocalTexts(pass.time).time) +
                    (pass.shadowBoundary ? QStringLiteral("*") : QString()),
                pass.time);
        SetCell(table, row, kListedAltitudeColumn, Degrees(pass.altitudeDeg, 1), pass.altitudeDeg);
        // The classic azimuth counts from south; sorted from north like the others.
        const double fromNorth = std::fmod(pass.azimuthDeg + 540.0, 360.0);
        SetCell(table, row, kListedDirectionColumn, Trimmed(CompassWord(pass.azimuthDeg)),
                fromNorth);
        SetCell(table, row, kRangeColumn, Utf8(FixedText(pass.rangeKm, 0)), pass.rangeKm);
        SetCell(table, row, kMotionColumn, Utf8(FixedText(pass.directionDeg, 0)),
                pass.directionDeg);
        SetCell(table, row, kSunColumn, Degrees(pass.sunAltitudeDeg, 1), pass.sunAltitudeDeg);
    }
    // As wide as heading and cells, not the default width.
    FitColumnsToContent(table, std::vector<int>(kPassColumnCount, 1));
}

int ListRowOfTableRow(const QTableWidget* table, int tableRow) {
    const QTableWidgetItem* item = tableRow >= 0 && tableRow < table->rowCount()
                                       ? table->item(tableRow, kSatelliteColumn)
                                       : nullptr;
    return item ? item->data(kListRowRole).toInt() : -1;
}

double PassCellValue(const QTableWidget* table, int tableRow, int column) {
    const QTableWidgetItem* item = table->item(tableRow, column);
    return item ? item->data(kValueRole).toDouble() : kNoValue;
}

void ShowClassicColumns(QTableWidget* table, bool shown) {
    for (int c = kFirstClassicColumn; c < kPassColumnCount; ++c) table->setColumnHidden(c, !shown);
}

QString PassTableLegend() {
    return QStringLiteral(
        "Zeiten in Ortszeit, Richtungen als Himmelsrichtung (O = Osten). Beginn: der Satellit "
        "steigt über die Mindesthöhe, tritt aus dem Erdschatten oder der Himmel wird dunkel genug "
        "(Tooltip der Zeit). endet durch: Untergang = unter die Mindesthöhe, Schatten = Eintritt "
        "in den Erdschatten, Dämmerung = der Himmel wird zu hell. mag: Helligkeit am höchsten "
        "Punkt; \":\" dahinter: Standardhelligkeit unbekannt, geschätzt. Klassische Spalten: "
        "Zeitpunkt der klassischen Liste, \"*\" dahinter: er ist ein Schatteneintritt oder "
        "-austritt; Entf = Entfernung in km; Pos = Bewegungsrichtung in Grad; Sonne = "
        "Sonnenhöhe. Ein Klick auf eine Überschrift sortiert, ein Doppelklick zeigt den "
        "Durchgang.");
}
