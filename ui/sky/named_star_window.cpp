#include "ui/sky/named_star_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>

#include "catalog/data_file_error.h"
#include "chart/chart_view.h"
#include "chart/star_map.h"
#include "core/number_text.h"
#include "core/observer_state.h"
#include "ui/common/dialogs.h"

namespace {

constexpr int kColumns = 5;
constexpr int kTableWidth = 360;
constexpr int kRowHeight = 16;
constexpr int kHeadingRowY = 20;  // a button pressed above this y sorts
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
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    table_ = new QTableWidget(kNamedStarRows + 1, kColumns, this);
    table_->setObjectName("namedStarTable");
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table_->setFont(QFont(QStringLiteral("Courier New")));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int c = 0; c < kColumns; ++c) {
        table_->setColumnWidth(c, kColumnWidths[c]);
        table_->setItem(0, c, new QTableWidgetItem(QString::fromLatin1(kHeadings[c])));
    }
    table_->setGeometry(0, 0, kTableWidth, 400);
    table_->viewport()->installEventFilter(this);
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (row >= 1) SelectRow(row);
    });
    FillTable();
    setWindowState(Qt::WindowMaximized);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void NamedStarWindow::FillTable() {
    try {
        const std::vector<NamedStarRow> rows = ReadNamedStarRows();
        for (int r = 0; r < static_cast<int>(rows.size()); ++r)
            for (int c = 0; c < kColumns; ++c)
                table_->setItem(r + 1, c, new QTableWidgetItem(Latin1(rows[r][c])));
    } catch (const DataFileError& e) {
        ShowError(e.what(), this);
    }
}

NamedStarRow NamedStarWindow::Row(int r) const {
    NamedStarRow row;
    for (int c = 0; c < kColumns; ++c)
        if (const QTableWidgetItem* item = table_->item(r, c))
            row[c] = item->text().toLatin1().toStdString();
    return row;
}

void NamedStarWindow::SelectRow(int row) {
    if (row < 1 || row >= table_->rowCount()) return;
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
    for (int r = 1; r < table_->rowCount(); ++r) rows.push_back(Row(r));
    SortNamedStarRows(rows, column);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < kColumns; ++c) {
            QTableWidgetItem* item = table_->item(r + 1, c);
            if (!item) table_->setItem(r + 1, c, item = new QTableWidgetItem);
            item->setText(Latin1(rows[r][c]));
        }
}

QRect NamedStarWindow::MapArea() const {
    return QRect(kTableWidth, 0, std::max(1, width() - kTableWidth), std::max(1, height()));
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
    ChartView().zoomMayClose = false;
    DrawMap();
}

void NamedStarWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    table_->setGeometry(0, 0, kTableWidth, height());
    if (isVisible()) DrawMap();
}

void NamedStarWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(MapArea().topLeft(), map_.Image());
}

bool NamedStarWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_->viewport() && event->type() == QEvent::MouseButtonPress) {
        const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (p.y() < kHeadingRowY && table_->verticalScrollBar()->value() == 0) {
            SortByHeadingAt(p.x() + table_->horizontalScrollBar()->value());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
