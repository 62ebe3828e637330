#include "ui/satellites/transit_table.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "prediction/transit_list_text.h"

namespace {

constexpr int kValueRole = Qt::UserRole;
constexpr int kApproachRole = Qt::UserRole + 1;

// A cell that sorts by its value, not by its text.
class ValueItem : public QTableWidgetItem {
  public:
    ValueItem(const QString& text, double value) : QTableWidgetItem(text) {
        setData(kValueRole, value);
        setFlags(flags() & ~Qt::ItemIsEditable);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const double a = data(kValueRole).toDouble(), b = other.data(kValueRole).toDouble();
        if (std::isnan(a) || std::isnan(b)) return text() < other.text();
        return a < b;
    }
};

QString Text(const std::string& s) { return QString::fromStdString(s); }

QString LocalTime(JD1900 instant, const TransitZone& zone) {
    const double offset = zone.offsetHours ? zone.offsetHours(instant) : 0.0;
    return Text(TransitLocalTimeText(instant, offset) +
                (zone.name ? zone.name(instant) : std::string()));
}

}  // namespace

void SetUpTransitTable(QTableWidget* table) {
    table->setColumnCount(kTransitColumnCount);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->setWordWrap(false);
    const QStringList captions = {QStringLiteral("Zeit"),       QStringLiteral("Satellit"),
                                  QStringLiteral("Körper"),     QStringLiteral("Abstand"),
                                  QStringLiteral("Transit"),    QStringLiteral("Dauer"),
                                  QStringLiteral("Höhe"),       QStringLiteral("Azimut"),
                                  QStringLiteral("Entfernung"), QStringLiteral("Zentrallinie")};
    table->setHorizontalHeaderLabels(captions);
    table->horizontalHeader()->setSortIndicatorShown(true);
    table->horizontalHeader()->setSectionsClickable(true);
    table->setSortingEnabled(true);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
}

void FillTransitTable(QTableWidget* table, const std::vector<TransitApproach>& approaches,
                      const TransitZone& zone) {
    table->setSortingEnabled(false);
    table->setRowCount(static_cast<int>(approaches.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const TransitApproach& a = approaches[static_cast<std::size_t>(row)];
        const double nan = std::nan("");
        auto put = [&](int column, const QString& text, double value) {
            auto* item = new ValueItem(text, value);
            if (column != kTransitSatelliteColumn && column != kTransitCentreLineColumn &&
                column != kTransitTimeColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        };
        put(kTransitTimeColumn, LocalTime(a.instant, zone), a.instant);
        table->item(row, kTransitTimeColumn)->setData(kApproachRole, row);
        put(kTransitSatelliteColumn, QStringLiteral("%1 %2").arg(a.catalogNumber).arg(Text(a.name)),
            nan);
        put(kTransitBodyColumn, Text(TransitBodyName(a.body)), nan);
        put(kTransitSeparationColumn, Text(GermanNumber(a.separationDeg, 3) + "°"),
            a.separationDeg);
        put(kTransitYesNoColumn, a.isTransit ? QStringLiteral("ja") : QStringLiteral("nein"),
            a.isTransit ? 1.0 : 0.0);
        put(kTransitDurationColumn,
            a.isTransit ? Text(GermanNumber(a.durationS, 2) + " s") : QStringLiteral("-"),
            a.durationS);
        put(kTransitAltitudeColumn, Text(GermanNumber(a.bodyAltitudeDeg, 1) + "°"),
            a.bodyAltitudeDeg);
        put(kTransitAzimuthColumn, Text(GermanNumber(a.bodyAzimuthDeg, 1) + "°"), a.bodyAzimuthDeg);
        put(kTransitRangeColumn, Text(GermanNumber(a.rangeKm, 0) + " km"), a.rangeKm);
        put(kTransitCentreLineColumn, Text(CentreLineWithStripText(a)),
            a.centreLine.found ? a.centreLine.distanceKm : nan);
    }
    table->setSortingEnabled(true);
    table->sortByColumn(kTransitTimeColumn, Qt::AscendingOrder);
}

int ApproachOfTableRow(const QTableWidget* table, int tableRow) {
    if (tableRow < 0 || tableRow >= table->rowCount()) return -1;
    const QTableWidgetItem* item = table->item(tableRow, kTransitTimeColumn);
    return item ? item->data(kApproachRole).toInt() : -1;
}

double TransitCellValue(const QTableWidget* table, int tableRow, int column) {
    const QTableWidgetItem* item = table->item(tableRow, column);
    return item ? item->data(kValueRole).toDouble() : std::nan("");
}

int TransitTableWidthForContents(const QTableWidget* table) {
    const QHeaderView* header = table->horizontalHeader();
    int width = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    const int columns = table->columnCount();
    for (int column = 0; column + 1 < columns; ++column) width += header->sectionSize(column);
    // The last column stretches to the window, so its contents are measured.
    if (columns == 0) return width;
    int last = header->sectionSizeHint(columns - 1);
    const QFontMetrics metrics(table->font());
    for (int row = 0; row < table->rowCount(); ++row)
        if (const QTableWidgetItem* item = table->item(row, columns - 1))
            last = std::max(last, metrics.horizontalAdvance(item->text()) + 16);
    return width + last;
}
