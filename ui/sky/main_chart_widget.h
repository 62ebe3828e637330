// The client area of the main window: owns the chart canvas, shows the chart of the
// design size scaled to fill the area (chart/canvas_fit.h), and passes pointer and
// key events to the chart interaction in logical chart pixels. AttachSkyChart() puts it into
// the main window frame and connects the chart's menu entries.
#pragma once

#include <QWidget>
#include <memory>

class Canvas;
class MainWindow;

class SkyChartWidget : public QWidget {
    Q_OBJECT

  public:
    explicit SkyChartWidget(QWidget* parent = nullptr);
    ~SkyChartWidget() override;

    Canvas& canvas() { return *canvas_; }
    QSize sizeHint() const override;
    // The chart's logical size (the client area of the design size, 640 x 442), a
    // position in the widget as the logical chart pixel under it, and the widget
    // position of the centre of a chart pixel.
    static QSize LogicalSize();
    QPoint ToChart(QPointF widgetPosition) const;
    QPointF ToWidget(QPoint chartPixel) const;

    // Repaints the canvas now; a pointer resting on the chart sees the new drawing's
    // sky under it (pointerOverChart).
    void ShowNewDrawing();

  signals:
    // The pointer is at chart point (x, y) of the chart's design geometry: it moved
    // there, or the chart under it was drawn anew.
    void pointerOverChart(int x, int y);
    void pointerLeftChart();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

  private:
    // Fits the canvas to the widget; true when the image was replaced.
    bool FitToWidget();
    void Redraw();

    std::unique_ptr<Canvas> canvas_;
};

// Installs a SkyChartWidget as the main window's chart, registers its canvas for
// DrawSkyChart(), sets the chart hooks (menus, check marks, other windows) and
// connects the menu entries of the chart ("Zeit", "Ort", "Ansicht", "Satelliten").
// Calling it again for the same window returns the widget already attached.
SkyChartWidget* AttachSkyChart(MainWindow& form);
