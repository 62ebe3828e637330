// Work that waits for a widget's first painted picture.
#pragma once

#include <functional>

class QWidget;

// Calls `then` once, after the first paint of `widget` has been handled and its picture
// has gone to the window system (on the next turn of the event loop after that paint).
void AfterFirstPaint(QWidget& widget, std::function<void()> then);
