// How well a widget's text stands out, as the widget is drawn: black text on a black
// panel does not at all.
#pragma once

#include <QImage>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <functional>

namespace testsupport {

// The widget drawn with its text and without it (showText(true) / showText(false)):
// the largest grey difference between a pixel of the text and the background it
// covers; 0 when the text leaves no trace.
inline int TextContrast(QWidget& widget, const std::function<void(bool shown)>& showText) {
    showText(false);
    const QImage without = widget.grab().toImage();
    showText(true);
    const QImage with = widget.grab().toImage();
    if (with.size() != without.size()) return 0;
    int contrast = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            contrast =
                std::max(contrast, std::abs(qGray(with.pixel(x, y)) - qGray(without.pixel(x, y))));
    return contrast;
}

}  // namespace testsupport
