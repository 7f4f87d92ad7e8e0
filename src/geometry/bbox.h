// The axis-aligned box around a set of points.
#pragma once

#include "geometry/vector.h"

namespace ombrix {

// Six floats in the order the hull file stores them.
struct BBox {
  float min_x = 0.0f;
  float max_x = 0.0f;
  float min_y = 0.0f;
  float max_y = 0.0f;
  float min_z = 0.0f;
  float max_z = 0.0f;
};

// The absolute extents of `box` on x, y and z, each rounded to single precision.
Vector box_extents(const BBox& box);

// The box of `point` alone.
BBox box_of_point(const Vector& point);

// Grows `box` to hold `point`.
void extend_box(BBox& box, const Vector& point);

}  // namespace ombrix
