// The Germany map "Polaride Deutschlandkarte": borders from "Grenzen", towns from
// "Staedte", five- and twenty-five-fold magnification by a frame, and a click that
// snaps to a nearby town and takes the place over.
#pragma once

#include <QPoint>
#include <QWidget>

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

    // The drawing area below the menu bar and its picture.
    QWidget* mapArea() const { return area_; }
    const QImage& mapImage() const { return canvas_.Image(); }
    const location::GermanyMapGeometry& geometry() const { return geometry_; }
    QAction* magnifyAction() const { return magnify_; }  // "vergrößern"
    QAction* reduceAction() const { return reduce_; }    // "verkleinern"
    QLabel* longitudeLabel() const { return longitudeLabel_; }
    QLabel* latitudeLabel() const { return latitudeLabel_; }
    bool inFrameMode() const { return frameMode_; }

    // Fixes the map geometry from the drawing area's size (done on the first show).
    void SetMapSize(int width, int height);
    // Draws the map for the current magnification; false (with the error shown) when a
    // data file cannot be read.
    bool DrawMap();
    // Pointer moves and clicks in pixels of the drawing area.
    void PointerAt(int x, int y);
    void ClickAt(int x, int y);
    void StartFrameMode();  // "vergrößern"
    void ReduceMap();       // "verkleinern"

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void XorFrame(QPoint centre);
    void PickPlace(int x, int y);
    void UpdateMenu();

    location::GermanyMapGeometry geometry_;
    bool geometryFixed_ = false;
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
