#include "ui/satellites/pass_table.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QTableView>
#include <limits>

#include "ui/common/table_views.h"
#include "ui/satellites/pass_table_model.h"

namespace {
// Rows measured beyond those in view when the columns are fitted to their cells.
constexpr int kRowsMeasuredForWidth = 100;
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

void SetUpPassTable(QTableView* table, PassTableModel* model) {
    table->setModel(model);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    // The widths fit the first rows: each row is made from its orbit when asked for.
    table->verticalHeader()->setResizeContentsPrecision(64);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    QHeaderView* heading = table->horizontalHeader();
    heading->setSectionsClickable(true);
    heading->setSortIndicatorShown(true);
    heading->setSortIndicator(-1, Qt::AscendingOrder);  // list order
    heading->setHighlightSections(false);
    QObject::connect(heading, &QHeaderView::sortIndicatorChanged, model,
                     [model](int column, Qt::SortOrder order) {
                         if (column >= 0) model->sort(column, order);
                     });
    ShowClassicColumns(table, false);
}

void FillPassTable(QTableView* table, const PassListState* list) {
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    if (auto* model = qobject_cast<PassTableModel*>(table->model())) model->SetList(list);
    // As wide as heading and the cells shown, not the default width; measured on the
    // rows in view and a hundred more (each row's events are worked out when it is
    // first shown, a thousand would hold the window for half a second).
    table->horizontalHeader()->setResizeContentsPrecision(kRowsMeasuredForWidth);
    FitColumnsToContent(table, std::vector<int>(kPassColumnCount, 1));
}

int ListRowOfTableRow(const QTableView* table, int tableRow) {
    const auto* model = qobject_cast<const PassTableModel*>(table->model());
    return model ? model->ListRow(tableRow) : -1;
}

double PassCellValue(const QTableView* table, int tableRow, int column) {
    const QVariant value = table->model()->index(tableRow, column).data(PassTableModel::kValueRole);
    return value.isValid() ? value.toDouble() : std::numeric_limits<double>::quiet_NaN();
}

void ShowClassicColumns(QTableView* table, bool shown) {
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
