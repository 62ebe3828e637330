#include "core/timescale.h"
#include "ui/sky/named_star_window.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>
#include <QTableWidget>

#include "catalog/data_file_error.h"
#include "chart/star_map.h"
#include "core/number_text.h"
#include "ui/common/dialogs.h"
#include "ui/common/table_views.h"
#include "ui/common/windows.h"

namespace {

constexpr int kColumns = 5;
constexpr int kTableWidth = 360;  // at least; wider when the columns need it
constexpr int kRowHeight = 16;
constexpr int kMinimumMapSide = 400;  // the map's room in the smallest window
const int kColumnWidths[kColumns] = {48, 144, 56, 48, 40};
const char* const kHeadings[kColumns] = {"Nr", "Name", "mag", "Lj", "Bild"};

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void ShowError(const char* text, QWidget* parent) {
    AppDialogs().Message(QStringLiteral("Polaride"), QString::fromUtf8(text), parent);
}

}  // namespace

NamedStarWindow::NamedStarWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("NamedStarWindow");
    setWindowTitle(QStringLiteral("Polaride - Sterne mit Eigennamen"));
    KeepZoomWindowOpenBehind(this);
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    table_ = new QTableWidget(kNamedStarRows, kColumns, this);
    table_->setObjectName("namedStarTable");
    QStringList headings;
    for (const char* heading : kHeadings) headings << QString::fromLatin1(heading);
    SetSortingHeading(table_, headings, [this](int x) { SortByHeadingAt(x); });
    table_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table_->setFont(QFont(QStringLiteral("Courier New")));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(table_, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { SelectRow(row + 1); });
    FillTable();
    FitColumnsToContent(table_,
                        std::vector<int>(std::begin(kColumnWidths), std::end(kColumnWidths)));
    SetMinimumViewport(table_, ColumnWidthSum(table_), kMinimumMapSide);
    tableWidth_ = std::max(kTableWidth, table_->minimumWidth());
    setMinimumSize(tableWidth_ + kMinimumMapSide, table_->minimumHeight());
    table_->setGeometry(0, 0, tableWidth_, std::max(height(), minimumHeight()));
    HighlightSelectedStar();
    setWindowState(Qt::WindowMaximized);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void NamedStarWindow::FillTable() {
    try {
        const std::vector<NamedStarRow> rows = ReadNamedStarRows();
        for (int r = 0; r < static_cast<int>(rows.size()); ++r)
            for (int c = 0; c < kColumns; ++c)
                table_->setItem(r, c, new QTableWidgetItem(Latin1(rows[r][c])));
    } catch (const DataFileError& e) {
        ShowError(e.what(), this);
    }
}

NamedStarRow NamedStarWindow::Row(int r) const {
    NamedStarRow row;
    for (int c = 0; c < kColumns; ++c) {
        const QTableWidgetItem* item =
            r == 0 ? table_->horizontalHeaderItem(c) : table_->item(r - 1, c);
        if (item) row[c] = item->text().toLatin1().toStdString();
    }
    return row;
}

int NamedStarWindow::TableRowOfStar(int starNumber) const {
    for (int r = 1; r <= table_->rowCount(); ++r) {
        int number = 0;
        if (numtext::ParseInteger(numtext::Trim(Row(r)[0]), number) && number == starNumber)
            return r - 1;
    }
    return -1;
}

void NamedStarWindow::HighlightSelectedStar() {
    const int row = TableRowOfStar(starNumber_);
    const QSignalBlocker quiet(table_);  // the star stays chosen, the map as it is
    if (row < 0) {
        table_->clearSelection();
        table_->setCurrentCell(-1, -1);
        return;
    }
    table_->setCurrentCell(row, 0);
    table_->scrollToItem(table_->item(row, 0));
}

void NamedStarWindow::SelectRow(int row) {
    if (row < 1 || row > table_->rowCount()) return;
    const NamedStarRow cells = Row(row);
    int number = 0;
    if (!numtext::ParseInteger(numtext::Trim(cells[0]), number))
        return;  // an empty row chooses nothing
    starNumber_ = number;
    starName_ = cells[1];
    DrawMap();
}

void NamedStarWindow::SortByHeadingAt(int x) {
    std::vector<int> widths;
    for (int c = 0; c < kColumns; ++c) widths.push_back(table_->columnWidth(c));
    SortByColumn(NamedStarColumnAt(widths, x));
}

void NamedStarWindow::SortByColumn(int column) {
    std::vector<NamedStarRow> rows;
    for (int r = 1; r <= table_->rowCount(); ++r) rows.push_back(Row(r));
    SortNamedStarRows(rows, column);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < kColumns; ++c) {
            QTableWidgetItem* item = table_->item(r, c);
            if (!item) table_->setItem(r, c, item = new QTableWidgetItem);
            item->setText(Latin1(rows[r][c]));
        }
    HighlightSelectedStar();
}

QRect NamedStarWindow::MapArea() const {
    return QRect(tableWidth_, 0, std::max(1, width() - tableWidth_), std::max(1, height()));
}

void NamedStarWindow::DrawMap() {
    const QRect area = MapArea();
    map_.Resize(area.width(), area.height(), Qt::black);
    try {
        DrawStarMap(map_, starNumber_, starName_);
    } catch (const DataFileError& e) {
        ShowError(e.what(), this);
    }
    update();
}

void NamedStarWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    DrawMap();
}

void NamedStarWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    table_->setGeometry(0, 0, tableWidth_, height());
    if (isVisible()) DrawMap();
}

void NamedStarWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(MapArea().topLeft(), map_.Image());
}
