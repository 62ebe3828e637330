#include "ui/satellites/transit_view_window.h"

#include <QEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "chart/canvas_fit.h"
#include "ui/common/canvas_view.h"
#include "ui/common/dialog_rows.h"
#include "ui/common/windows.h"

TransitViewWindow::TransitViewWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), canvas_(kTransitViewWidth, kTransitViewHeight) {
    setObjectName("TransitViewWindow");
    setWindowTitle(QStringLiteral("Polaride - Transit"));
    canvas_.SetLogicalSize(QSize(kTransitViewWidth, kTransitViewHeight));
    area_ = new CanvasView(canvas_, this);
    area_->setMinimumSize(kTransitViewWidth / 2, kTransitViewHeight / 2);
    SetBlackBackground(area_);
    area_->installEventFilter(this);
    mapButton_ =
        NamedButton(QStringLiteral("Zentrallinie auf der Karte"), "centreLineMap", this, [this] {
            if (showMap_) showMap_();
        });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(area_, 1);
    layout->addLayout(RightAlignedButtonRow({mapButton_}));
    resize(kTransitViewWidth + 24, kTransitViewHeight + 60);
    KeepZoomWindowOpenBehind(this);
}

void TransitViewWindow::ShowPicture(const TransitDiscPicture& picture,
                                    std::function<void()> showMap) {
    picture_ = picture;
    showMap_ = std::move(showMap);
    show();
    raise();
    activateWindow();
    Draw();
}

void TransitViewWindow::Draw() {
    FitCanvas(canvas_, QSize(kTransitViewWidth, kTransitViewHeight), area_->size(),
              area_->devicePixelRatioF());
    DrawTransitDisc(canvas_, picture_);
    area_->update();
}

bool TransitViewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == area_ && event->type() == QEvent::Resize) Draw();
    return QWidget::eventFilter(watched, event);
}
