// The blinking of a clicked constellation, shared by the chart and the zoom window:
// its stars are painted in the sky grey and then white again, five times, with a pause
// after each paint.
#pragma once

#include <QColor>
#include <functional>

// Waits ms milliseconds (nothing for ms <= 0) without handling events.
void BlinkPause(int ms);

// Calls paint with the sky grey and then with white, five times, pausing waitMs after
// each call.
void BlinkFiveTimes(const std::function<void(QColor)>& paint, int waitMs);
