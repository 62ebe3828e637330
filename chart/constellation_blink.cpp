#include "chart/constellation_blink.h"

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>

#include "chart/ephemeris_update.h"

void BlinkPause(int ms) {
    if (ms <= 0) return;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(20, ms - timer.elapsed())));
}

void BlinkFiveTimes(const std::function<void(QColor)>& paint, int waitMs) {
    const int sky = ChartShades().skyGrey;
    for (int i = 0; i < 5; ++i) {
        paint(QColor(sky, sky, sky));
        BlinkPause(waitMs);
        paint(Qt::white);
        BlinkPause(waitMs);
    }
}
