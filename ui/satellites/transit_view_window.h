// The window of one approach: the body's disc magnified so that it is seen whole, with
// the satellite's path across it and ticks every 0.1 s (chart/transit_drawing.h), and
// the button "Zentrallinie auf der Karte".
#pragma once

#include <QWidget>
#include <functional>

#include "chart/canvas.h"
#include "chart/transit_drawing.h"

class QPushButton;

// The design size of the drawing, scaled to the window.
inline constexpr int kTransitViewWidth = 648;
inline constexpr int kTransitViewHeight = 488;

class TransitViewWindow : public QWidget {
    Q_OBJECT

  public:
    explicit TransitViewWindow(QWidget* parent = nullptr);

    // Draws the picture and shows the window in front; `showMap` is the button's action.
    void ShowPicture(const TransitDiscPicture& picture, std::function<void()> showMap);
    void Draw();

    const Canvas& canvas() const { return canvas_; }
    QWidget* drawingArea() const { return area_; }
    QPushButton* mapButton() const { return mapButton_; }
    const TransitDiscPicture& picture() const { return picture_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Canvas canvas_;
    QWidget* area_ = nullptr;
    QPushButton* mapButton_ = nullptr;
    TransitDiscPicture picture_;
    std::function<void()> showMap_;
};
