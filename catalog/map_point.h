// A geographic point of the map files.
#pragma once

namespace location {

struct MapPoint {
    double longitudeDeg = 0.0;
    double latitudeDeg = 0.0;
};

}  // namespace location
