#include "core/timescale.h"
#include "ui/places/place_list_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>

#include "catalog/place_numbers.h"
#include "catalog/place_zone.h"
#include "catalog/text_lines.h"
#include "ui/common/dialogs.h"
#include "ui/common/table_views.h"
#include "ui/places/place_messages.h"
#include "ui/places/redraw_active_view.h"

using namespace location;

namespace {

const char* const kHeaders[4] = {" Länge", " Breite", "Höhe(m)", " Name"};
constexpr int kRowHeight = 20;
constexpr int kGridWidth = 526;   // at least; wider when the columns need it
constexpr int kMinimumRows = 12;  // rows shown in the smallest window
const QString kSortingSuffix = QStringLiteral("       SORTIERE...");

}  // namespace

PlaceListWindow::PlaceListWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Polaride - Ortsliste"));
    setWindowState(Qt::WindowMaximized);

    grid_ = new QTableWidget(0, 4, this);
    QStringList headers;
    for (const char* header : kHeaders) headers << QString::fromUtf8(header);
    SetSortingHeading(grid_, headers, [this](int x) { SortAt(x); });
    grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid_->verticalHeader()->setMinimumSectionSize(1);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(13);
    grid_->setFont(font);
    grid_->horizontalHeader()->setFont(font);
    connect(grid_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { ChooseRow(row); });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    layout->addStretch();

    LoadPlaces();
}

bool PlaceListWindow::LoadPlaces() {
    try {
        rows_ = ReadPlaceFile("ORTE");
    } catch (const FileOpenError& error) {
        rows_.clear();
        FillGrid();
        ShowFileError(error.what(), this);
        return false;
    }
    FillGrid();
    return true;
}

void PlaceListWindow::FillGrid() {
    grid_->clearContents();
    grid_->setRowCount(static_cast<int>(rows_.size()));
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        for (int k = 0; k < 4; ++k) {
            grid_->setItem(static_cast<int>(r), k,
                           new QTableWidgetItem(QString::fromLatin1(rows_[r][k])));
        }
    }
    FitColumnsToContent(
        grid_, std::vector<int>(std::begin(kPlaceColumnWidths), std::end(kPlaceColumnWidths)));
    SetMinimumViewport(grid_, ColumnWidthSum(grid_), kMinimumRows * kRowHeight);
    grid_->setFixedWidth(std::max(kGridWidth, grid_->minimumWidth()));
}

void PlaceListWindow::SortAt(int x) {
    std::array<int, 4> widths{};
    for (int k = 0; k < 4; ++k) widths[k] = grid_->columnWidth(k);
    const int column = SortColumnAt(x, widths);
    const QString caption = windowTitle();
    setWindowTitle(caption + kSortingSuffix);
    try {
        SortPlaceRows(rows_, column);
    } catch (const PlaceNumberError& error) {
        FillGrid();
        setWindowTitle(caption);
        ShowNumberError(error.text(), this);
        return;
    }
    FillGrid();
    setWindowTitle(caption);
}

void PlaceListWindow::ChooseRow(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    ChosenPlace place;
    try {
        place = PlaceOfRow(rows_[row]);
    } catch (const PlaceNumberError& error) {
        ShowNumberError(error.text(), this);
        return;
    } catch (const PlaceRangeError& error) {
        // A line of "ORTE" the parameter dialog would refuse: the place stays as it is.
        AppDialogs().Message(QString::fromUtf8(kInvalidEntryCaption),
                             QString::fromUtf8(error.what()), this);
        return;
    }
    const std::string name = QString::fromLatin1(place.name).toStdString();
    TakeOverPlace(name, place.longitudeDeg, place.latitudeDeg, place.heightM,
                  ZoneRuleOfListedPlace(name), this);
}
