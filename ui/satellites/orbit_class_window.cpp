#include "ui/satellites/orbit_class_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <utility>

#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "prediction/selection_state.h"
#include "satellite/satellite_table.h"
#include "ui/common/dialog_rows.h"
#include "ui/common/dialogs.h"
#include "ui/common/save_text_as.h"
#include "ui/common/selection_printing.h"
#include "ui/common/table_views.h"
#include "ui/satellites/orbit_class_table_model.h"

namespace {

constexpr int kColumns = 10;
constexpr int kRowHeight = 20;
// At least these widths (-1: the default), wider where a cell needs it.
const int kColumnWidths[kColumns] = {100, 40, 50, 60, -1, -1, 55, 50, 55, 65};
constexpr int kMinimumRows = 12;  // rows shown in the smallest window
// Up to this many satellites the rows are computed in the window's thread (some 50 ms
// of one core); more go to a worker thread.
constexpr std::size_t kRowsComputedHere = 1500;

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

OrbitClassWindow::OrbitClassWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("OrbitClassWindow");
    setWindowTitle(QStringLiteral("Geosynchrone Satelliten"));
    setFont(QFont(QStringLiteral("Courier New")));

    model_ = new OrbitClassTableModel(this);
    model_->SetRows(OrbitClassRow{}, {});
    grid_ = new QTableView(this);
    grid_->setObjectName("orbitClassGrid");
    grid_->setModel(model_);
    SetSortingHeading(grid_, [this](int x) { SortByHeadingAt(x); });
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

    connect(&worker_, &QFutureWatcher<OrbitClassFill>::finished, this, [this] {
        if (computing_) ShowRows(worker_.future().takeResult());
    });
}

void OrbitClassWindow::ShowOrbitClass(int orbitClass) {
    if (orbitClass < 0 || orbitClass > 2) return;
    showMaximized();
    raise();
    FillOrbitClass(static_cast<OrbitClass>(orbitClass));
}

void OrbitClassWindow::FillOrbitClass(OrbitClass orbitClass) {
    OrbitClassInput input = OrbitClassInputOfSelection(orbitClass, Shown().currentJD,
                                                       Selection().driftLimitDegDay, Place());
    model_->SetRows(OrbitClassHeadings(orbitClass), {});
    if (input.satellites.size() <= kRowsComputedHere) {
        computing_ = false;
        ShowRows(BuildOrbitClassRows(input));
        return;
    }
    // The worker reads only its copy of the selection; the grid shows the headings
    // meanwhile, and there is nothing to print or save yet.
    computing_ = true;
    printButton_->setEnabled(false);
    saveButton_->setEnabled(false);
    grid_->viewport()->setCursor(Qt::BusyCursor);
    worker_.setFuture(
        QtConcurrent::run([input = std::move(input)] { return BuildOrbitClassRows(input); }));
}

void OrbitClassWindow::ShowRows(OrbitClassFill fill) {
    computing_ = false;
    printButton_->setEnabled(true);
    saveButton_->setEnabled(true);
    grid_->viewport()->unsetCursor();
    model_->SetRows(model_->headings(), std::move(fill.rows));
    FitColumns();
    if (fill.driftBeyondLimit) setWindowTitle(QStringLiteral(" Satelliten"));
    emit RowsShown();
}

void OrbitClassWindow::FitColumns() {
    FitColumnsToContent(grid_,
                        std::vector<int>(std::begin(kColumnWidths), std::end(kColumnWidths)));
    SetMinimumViewport(grid_, ColumnWidthSum(grid_), kMinimumRows * kRowHeight);
}

OrbitClassRow OrbitClassWindow::Row(int r) const {
    if (r == 0) return model_->headings();
    const auto& rows = model_->rows();
    return r >= 1 && r <= static_cast<int>(rows.size()) ? rows[r - 1] : OrbitClassRow{};
}

std::vector<int> OrbitClassWindow::ColumnWidths() const {
    std::vector<int> widths;
    for (int c = 0; c < kColumns; ++c) widths.push_back(grid_->columnWidth(c));
    return widths;
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
    const auto bad = model_->SortByColumn(*orbitClass, column);
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
    for (const GridRowRange& range : OrbitClassPages(model_->rowCount() + 1)) {
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
    SaveTextAs(this, [&] { return OrbitClassFileText(*orbitClass, model_->rows()); });
}
