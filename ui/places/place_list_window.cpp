#include "ui/places/place_list_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTableWidget>

#include "catalog/place_numbers.h"
#include "catalog/text_lines.h"
#include "core/observer_state.h"
#include "ui/common/dialogs.h"
#include "ui/places/place_messages.h"
#include "ui/places/redraw_active_view.h"

using namespace location;

namespace {

const char* const kHeaders[4] = {" Länge", " Breite", "Höhe(m)", " Name"};
constexpr int kHeaderRowHeight = 20;
constexpr int kGridWidth = 526;
const QString kSortingSuffix = QStringLiteral("       SORTIERE...");

}  // namespace

PlaceListWindow::PlaceListWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Polaride - Ortsliste"));
    setWindowState(Qt::WindowMaximized);

    grid_ = new QTableWidget(this);
    grid_->setColumnCount(4);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(kHeaderRowHeight);
    grid_->verticalHeader()->setMinimumSectionSize(1);
    for (int k = 0; k < 4; ++k) grid_->setColumnWidth(k, kPlaceColumnWidths[k]);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setFixedWidth(kGridWidth);
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(13);
    grid_->setFont(font);
    grid_->viewport()->installEventFilter(this);
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
    grid_->setRowCount(static_cast<int>(rows_.size()) + 1);
    for (int k = 0; k < 4; ++k) {
        auto* header = new QTableWidgetItem(QString::fromUtf8(kHeaders[k]));
        header->setFlags(Qt::ItemIsEnabled);
        header->setBackground(palette().button());
        grid_->setItem(0, k, header);
    }
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        for (int k = 0; k < 4; ++k) {
            grid_->setItem(static_cast<int>(r) + 1, k,
                           new QTableWidgetItem(QString::fromLatin1(rows_[r][k])));
        }
    }
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
    if (row < 1 || row > static_cast<int>(rows_.size())) return;
    ChosenPlace place;
    try {
        place = PlaceOfRow(rows_[row - 1]);
    } catch (const PlaceNumberError& error) {
        ShowNumberError(error.text(), this);
        return;
    } catch (const PlaceRangeError& error) {
        // A line of "ORTE" the parameter dialog would refuse: the place stays as it is.
        AppDialogs().Message(QString::fromUtf8(kInvalidEntryCaption),
                             QString::fromUtf8(error.what()), this);
        return;
    }
    TakeOverPlace(QString::fromLatin1(place.name).toStdString(), place.longitudeDeg,
                  place.latitudeDeg, place.heightM, this);
}

bool PlaceListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonPress) {
        const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (p.y() < kHeaderRowHeight) {
            SortAt(p.x());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
