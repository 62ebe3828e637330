#include "ui/common/windows.h"

#include <QEvent>
#include <QWidget>

#include "chart/chart_view.h"

namespace {

class ZoomKeeper : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show ||
            (event->type() == QEvent::ActivationChange && window->isActiveWindow()))
            ChartView().zoomMayClose = false;
        return false;
    }
};

}  // namespace

Windows& AppWindows() {
    static Windows windows;
    return windows;
}

void KeepZoomWindowOpenBehind(QWidget* window) {
    window->installEventFilter(new ZoomKeeper(window));
}

void ShowInFront(QWidget* window) {
    if (!window) return;
    window->show();
    window->raise();
    window->activateWindow();
}
