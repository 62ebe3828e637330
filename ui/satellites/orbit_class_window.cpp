#include "ui/satellites/orbit_class_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/displayed_instant.h"
#include "prediction/selection_state.h"
#include "satellite/satellite_table.h"
#include "ui/common/dialog_rows.h"
#include "ui/common/dialogs.h"
#include "ui/common/save_text_as.h"
#include "ui/common/selection_printing.h"
#include "ui/common/table_views.h"

namespace {

constexpr int kColumns = 10;
constexpr int kRowHeight = 20;
// At least these widths (-1: the default), wider where a cell needs it.
const int kColumnWidths[kColumns] = {100, 40, 50, 60, -1, -1, 55, 50, 55, 65};
constexpr int kMinimumRows = 12;  // rows shown in the smallest window

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Bytes(const QString& text) { return text.toLatin1().toStdString(); }

}  // namespace

OrbitClassWindow::OrbitClassWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("OrbitClassWindow");
    setWindowTitle(QStringLiteral("Geosynchrone Satelliten"));
    setFont(QFont(QStringLiteral("Courier New")));

    grid_ = new QTableWidget(0, kColumns, this);
    grid_->setObjectName("orbitClassGrid");
    SetSortingHeading(grid_, QStringList(kColumns, QString()),
                      [this](int x) { SortByHeadingAt(x); });
    grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setFont(QFont(QStringLiteral("Courier New")));
    FitColumns();

    okButton_ = NamedButton(QStringLiteral("OK"), "okButton", this, &QWidget::hide);
    printButton_ =
        NamedButton(QStringLiteral("Drucken"), "printButton", this, &OrbitClassWindow::Print);
    saveButton_ =
        NamedButton(QStringLiteral("Speichern"), "saveButton", this, &OrbitClassWindow::Save);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(okButton_);
    buttons->addWidget(printButton_);
    buttons->addWidget(saveButton_);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
}

void OrbitClassWindow::ShowOrbitClass(int orbitClass) {
    if (orbitClass < 0 || orbitClass > 2) return;
    showMaximized();
    raise();
    FillOrbitClass(static_cast<OrbitClass>(orbitClass));
}

void OrbitClassWindow::FillOrbitClass(OrbitClass orbitClass) {
    const OrbitClassFill fill =
        BuildOrbitClassRows(orbitClass, Shown().currentJD, Selection().driftLimitDegDay);
    grid_->clearContents();
    grid_->setRowCount(static_cast<int>(fill.rows.size()));
    QStringList captions;
    for (const std::string& heading : OrbitClassHeadings(orbitClass)) captions << Latin1(heading);
    grid_->setHorizontalHeaderLabels(captions);
    SetDataRows(fill.rows);
    FitColumns();
    if (fill.driftBeyondLimit) setWindowTitle(QStringLiteral(" Satelliten"));
}

void OrbitClassWindow::FitColumns() {
    FitColumnsToContent(grid_,
                        std::vector<int>(std::begin(kColumnWidths), std::end(kColumnWidths)));
    SetMinimumViewport(grid_, ColumnWidthSum(grid_), kMinimumRows * kRowHeight);
}

OrbitClassRow OrbitClassWindow::Row(int r) const {
    OrbitClassRow row;
    for (int c = 0; c < kColumns; ++c) {
        const QTableWidgetItem* item =
            r == 0 ? grid_->horizontalHeaderItem(c) : grid_->item(r - 1, c);
        if (item) row[c] = Bytes(item->text());
    }
    return row;
}

std::vector<int> OrbitClassWindow::ColumnWidths() const {
    std::vector<int> widths;
    for (int c = 0; c < kColumns; ++c) widths.push_back(grid_->columnWidth(c));
    return widths;
}

std::vector<OrbitClassRow> OrbitClassWindow::DataRows() const {
    std::vector<OrbitClassRow> rows;
    for (int r = 1; r <= grid_->rowCount(); ++r) rows.push_back(Row(r));
    return rows;
}

void OrbitClassWindow::SetDataRows(const std::vector<OrbitClassRow>& rows) {
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < kColumns; ++c) {
            QTableWidgetItem* item = grid_->item(r, c);
            if (!item) grid_->setItem(r, c, item = new QTableWidgetItem);
            item->setText(Latin1(rows[r][c]));
        }
}

void OrbitClassWindow::SortByHeadingAt(int x) {
    const int column = ColumnAtX(ColumnWidths(), x);
    if (column >= 0) SortByColumn(column);
}

void OrbitClassWindow::SortByColumn(int column) {
    const auto orbitClass = OrbitClassOfHeadings(Row(0));
    if (!orbitClass) return;
    const QString caption = windowTitle();
    setWindowTitle(caption + QStringLiteral("       SORTIERE..."));
    std::vector<OrbitClassRow> rows = DataRows();
    const auto bad = SortOrbitClassRows(rows, *orbitClass, column);
    SetDataRows(rows);
    setWindowTitle(caption);
    if (bad) ShowNotANumber(Latin1(*bad), this);
}

void OrbitClassWindow::Print() {
    const auto orbitClass = OrbitClassOfHeadings(Row(0));
    if (!orbitClass) return;
    std::unique_ptr<QPrinter> printer = AppDialogs().Print(QString(), this);
    if (!printer) return;
    printer->setPageOrientation(QPageLayout::Landscape);
    std::vector<PrintedPage> pages;
    // The pages count the heading as the first row, as a grid with a heading row would.
    for (const GridRowRange& range : OrbitClassPages(grid_->rowCount() + 1)) {
        PrintedPage page;
        page.push_back({10, -100, OrbitClassTitle(*orbitClass)});
        page.push_back({10, -200, OrbitClassHeadingLine(*orbitClass)});
        for (int g = range.first; g <= range.last; ++g) {
            if (g == 0) continue;  // the heading row of the grid is not printed
            const int j = g - range.first + 1;
            page.push_back({10, -200 - 45 * j, OrbitClassPrintedRow(Row(g))});
        }
        pages.push_back(std::move(page));
    }
    PrintTextPages(*printer, pages, 46);
}

void OrbitClassWindow::Save() {
    const auto orbitClass = OrbitClassOfHeadings(Row(0));
    if (!orbitClass) return;
    SaveTextAs(this, [&] { return OrbitClassFileText(*orbitClass, DataRows()); });
}
