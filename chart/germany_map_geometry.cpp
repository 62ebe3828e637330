#include "chart/germany_map_geometry.h"

#include "core/timescale.h"

namespace location {

GermanyMapGeometry::GermanyMapGeometry(int width, int height)
    : width_(width),
      height_(height),
      xScale_(0.046875 * width),
      yScale_(0.1 * height),
      topLatitude_(0.5 * height / yScale_ + 51.1),
      leftLongitude_(11.0 - 0.5 * width * 1.125 / xScale_) {}

MapPoint GermanyMapGeometry::ToDegrees(double x, double y) const {
    if (zoom_ > 1) {
        x = (x - width_ / 2.0) / zoom_ + centreX_;
        y = (y - height_ / 2.0) / zoom_ + centreY_;
    }
    return {x / xScale_ + leftLongitude_, topLatitude_ - y / yScale_};
}

MapPixel GermanyMapGeometry::ToPixel(double longitudeDeg, double latitudeDeg) const {
    double x = (longitudeDeg - leftLongitude_) * xScale_;
    double y = (topLatitude_ - latitudeDeg) * yScale_;
    if (zoom_ > 1) {
        x = (x - centreX_) * zoom_ + width_ / 2.0;
        y = (y - centreY_) * zoom_ + height_ / 2.0;
    }
    return {x, y};
}

void GermanyMapGeometry::MagnifyAt(int x, int y) {
    if (zoom_ >= 25) return;
    if (zoom_ == 1) {
        centreX_ = x;
        centreY_ = y;
    } else {
        centreX_ = IntPart((x - width_ / 2.0) / 5.0 + centreX_);
        centreY_ = IntPart((y - height_ / 2.0) / 5.0 + centreY_);
    }
    zoom_ *= 5;
}

void GermanyMapGeometry::Reduce() {
    if (zoom_ > 1) zoom_ /= 5;
}

}  // namespace location
