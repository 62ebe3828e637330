#include "app/first_paint.h"

#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>
#include <utility>

namespace {

// The filter sees the paint event before the widget paints; the work waits for the next
// turn of the event loop.
class FirstPaintWatch : public QObject {
  public:
    FirstPaintWatch(QWidget& widget, std::function<void()> then)
        : QObject(&widget), then_(std::move(then)) {
        widget.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    then_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    std::function<void()> then_;
    bool painted_ = false;
};

}  // namespace

void AfterFirstPaint(QWidget& widget, std::function<void()> then) {
    new FirstPaintWatch(widget, std::move(then));
}
