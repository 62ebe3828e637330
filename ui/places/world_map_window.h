// The world map "Polaride Weltkarte": the bitmap "welt.bmp" with the current place and
// the daylight band; a click on the map names and takes over a new place.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "chart/canvas.h"

class QLabel;

class WorldMapWindow : public QWidget {
    Q_OBJECT

  public:
    explicit WorldMapWindow(QWidget* parent = nullptr);

    // The map image as last drawn (622 x 301, the bitmap with cross and daylight).
    const QImage& mapImage() const { return canvas_.Image(); }
    QLabel* longitudeLabel() const { return longitudeLabel_; }
    QLabel* latitudeLabel() const { return latitudeLabel_; }
    // Drawn over the map and the daylight at every drawing until the window is hidden,
    // in image pixels (a transit's centre line); empty: nothing.
    std::function<void(Canvas&)> overlay;

    // Loads "welt.bmp" and draws the place cross and the daylight band; false (with
    // the error shown) when the bitmap cannot be read.
    bool DrawMap();

    // The pointer at window position (x, y): coordinate labels and pointer shape.
    void PointerAt(int x, int y);
    // A click at window position (x, y) on the map: asks for the name and takes over.
    void ClickAt(int x, int y);

  protected:
    // Drops the overlay: it belongs to the picture the window was opened for.
    void hideEvent(QHideEvent* event) override {
        overlay = {};
        QWidget::hideEvent(event);
    }
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    bool OnImage(int x, int y) const;

    Canvas canvas_;
    QLabel* longitudeLabel_ = nullptr;
    QLabel* latitudeLabel_ = nullptr;
    QLabel* newPlaceLabel_ = nullptr;
};
