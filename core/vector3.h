// A point or direction in three-dimensional space; the frame and unit are those of
// the code that uses it.
#pragma once

struct Vector3 {
    double x = 0.0, y = 0.0, z = 0.0;
};
