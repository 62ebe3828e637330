// Pieces that several windows share: a widget that shows a Canvas as it is, and the
// black background of the map and chart windows.
#pragma once

#include <QWidget>

class Canvas;

// Shows a Canvas from its top left corner; the window that owns the canvas draws
// into it and calls update() or repaint(). A canvas fitted to the widget (an image of
// the widget's size times the device pixel ratio, chart/canvas_fit.h) covers it pixel
// for pixel; any other image is shown at its own size.
class CanvasView : public QWidget {
  public:
    CanvasView(const Canvas& canvas, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Canvas& canvas_;
};

// A black window background, filled automatically.
void SetBlackBackground(QWidget* widget);
