// The Germany map: degrees <-> window pixels for the unmagnified map and its five- and
// twenty-five-fold magnifications about a centre.
#pragma once

#include "catalog/map_point.h"

namespace location {

struct MapPixel {
    double x = 0.0;
    double y = 0.0;
};

class GermanyMapGeometry {
  public:
    // W and H: the window's outer size when it is created (design size 435 x 300).
    GermanyMapGeometry(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    double xScale() const { return xScale_; }  // pixels per degree of longitude
    double yScale() const { return yScale_; }  // pixels per degree of latitude
    double topLatitude() const { return topLatitude_; }
    double leftLongitude() const { return leftLongitude_; }

    int zoom() const { return zoom_; }           // 1, 5 or 25
    double centreX() const { return centreX_; }  // magnification centre, pixels of the
    double centreY() const { return centreY_; }  // unmagnified map

    MapPoint ToDegrees(double x, double y) const;
    MapPixel ToPixel(double longitudeDeg, double latitudeDeg) const;

    // A click in frame mode: magnify five-fold about the pointer (z < 25 only).
    void MagnifyAt(int x, int y);
    // "verkleinern": z/5, the centre stays.
    void Reduce();
    // Half-size of the frame of frame mode.
    double frameHalfWidth() const { return width_ / 10.0; }
    double frameHalfHeight() const { return height_ / 10.0; }

  private:
    int width_;
    int height_;
    double xScale_;
    double yScale_;
    double topLatitude_;
    double leftLongitude_;
    int zoom_ = 1;
    double centreX_ = 0.0;
    double centreY_ = 0.0;
};

}  // namespace location
