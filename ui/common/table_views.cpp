#include "ui/common/table_views.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>

namespace {

// Passes a press on the heading on, with its x in table contents, and keeps it from
// the heading's own handling (column selection, moving sections).
class HeadingPressFilter : public QObject {
  public:
    HeadingPressFilter(QHeaderView* heading, std::function<void(int)> pressedAt)
        : QObject(heading), heading_(heading), pressedAt_(std::move(pressedAt)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress &&
            event->type() != QEvent::MouseButtonDblClick)
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::MouseButtonPress) {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            pressedAt_(p.x() + heading_->offset());
        }
        return true;
    }

  private:
    QHeaderView* heading_;
    std::function<void(int)> pressedAt_;
};

int ColumnCount(const QTableView* table) {
    return table->model() ? table->model()->columnCount() : 0;
}

}  // namespace

void SetSortingHeading(QTableWidget* table, const QStringList& captions,
                       std::function<void(int x)> pressedAt) {
    table->setHorizontalHeaderLabels(captions);
    SetSortingHeading(static_cast<QTableView*>(table), std::move(pressedAt));
}

void SetSortingHeading(QTableView* table, std::function<void(int x)> pressedAt) {
    QHeaderView* heading = table->horizontalHeader();
    heading->show();
    heading->setSectionResizeMode(QHeaderView::Fixed);
    heading->setSectionsClickable(false);
    heading->setHighlightSections(false);
    heading->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    heading->setMinimumSectionSize(1);
    heading->setStretchLastSection(false);
    table->verticalHeader()->hide();
    heading->viewport()->installEventFilter(new HeadingPressFilter(heading, std::move(pressedAt)));
}

QStringList HeadingCaptions(const QTableWidget* table) {
    QStringList captions;
    for (int c = 0; c < table->columnCount(); ++c) {
        const QTableWidgetItem* item = table->horizontalHeaderItem(c);
        captions << (item ? item->text() : QString());
    }
    return captions;
}

void FitColumnsToContent(QTableView* table, const std::vector<int>& minimumWidths) {
    const QHeaderView* heading = table->horizontalHeader();
    for (int c = 0; c < ColumnCount(table); ++c) {
        const int given = c < static_cast<int>(minimumWidths.size()) ? minimumWidths[c] : 0;
        int width = given > 0 ? given : heading->defaultSectionSize();
        width = std::max(width, static_cast<const QAbstractItemView*>(table)->sizeHintForColumn(c));
        if (!heading->isHidden()) width = std::max(width, heading->sectionSizeHint(c));
        table->setColumnWidth(c, width);
    }
}

int ColumnWidthSum(const QTableView* table) {
    int sum = 0;
    for (int c = 0; c < ColumnCount(table); ++c) sum += table->columnWidth(c);
    return sum;
}

void SetMinimumViewport(QAbstractScrollArea* view, int width, int height) {
    view->ensurePolished();
    const int frame = 2 * view->frameWidth();
    const int scrollBar = view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    int headingHeight = 0;
    if (const auto* table = qobject_cast<const QTableView*>(view))
        if (!table->horizontalHeader()->isHidden())
            headingHeight = table->horizontalHeader()->sizeHint().height();
    view->setMinimumSize(width + frame + scrollBar, height + frame + headingHeight);
}
