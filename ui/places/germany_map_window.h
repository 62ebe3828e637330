// The Germany map "Polaride Deutschlandkarte": borders from "Grenzen", towns from
// "Staedte", five- and twenty-five-fold magnification by a frame, and a click that
// snaps to a nearby town and takes the place over.
#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>

#include "chart/canvas.h"
#include "chart/germany_map_geometry.h"

class QAction;
class QLabel;
class QMenuBar;

class GermanyMapWindow : public QWidget {
    Q_OBJECT

  public:
    explicit GermanyMapWindow(QWidget* parent = nullptr);
    ~GermanyMapWindow() override;

    // The drawing area below the menu bar and its picture: the map of its logical
    // size scaled to fill the area, one scale for x and y (mapCanvas().ToDevice()
    // gives the image pixel of a map pixel).
    QWidget* mapArea() const { return area_; }
    const QImage& mapImage() const { return canvas_.Image(); }
    const Canvas& mapCanvas() const { return canvas_; }
    const location::GermanyMapGeometry& geometry() const { return geometry_; }
    QAction* magnifyAction() const { return magnify_; }  // "vergrößern"
    QAction* reduceAction() const { return reduce_; }    // "verkleinern"
    QLabel* longitudeLabel() const { return longitudeLabel_; }
    QLabel* latitudeLabel() const { return latitudeLabel_; }
    bool inFrameMode() const { return frameMode_; }
    // Drawn over the borders and towns at every drawing until the window is hidden, in
    // map pixels (a transit's centre line); empty: nothing.
    std::function<void(Canvas&)> overlay;

    // The map geometry is in map pixels of the design size 435 x 300 whatever the
    // window's size, so the Germany map keeps its proportions.
    // A position in the drawing area as the map pixel under it.
    QPoint ToMap(QPointF areaPosition) const;
    // Draws the map for the current magnification; false (with the error shown) when a
    // data file cannot be read.
    bool DrawMap();
    // Pointer moves and clicks in pixels of the drawing area.
    void PointerAt(int x, int y);
    void ClickAt(int x, int y);
    void StartFrameMode();  // "vergrößern"
    void ReduceMap();       // "verkleinern"

  protected:
    // Drops the overlay: it belongs to the picture the window was opened for.
    void hideEvent(QHideEvent* event) override {
        overlay = {};
        QWidget::hideEvent(event);
    }
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void XorFrame(QPoint centre);
    void PickPlace(int x, int y);
    void UpdateMenu();
    // Fits the canvas to the drawing area; true when the picture must be drawn again.
    bool FitToArea();

    location::GermanyMapGeometry geometry_;
    Canvas canvas_;
    QWidget* area_ = nullptr;
    QMenuBar* menu_ = nullptr;
    QAction* magnify_ = nullptr;
    QAction* reduce_ = nullptr;
    QLabel* longitudeLabel_ = nullptr;
    QLabel* latitudeLabel_ = nullptr;
    bool frameMode_ = false;
    bool frameDrawn_ = false;
    QPoint framePos_;
    QPoint pointer_;
};
