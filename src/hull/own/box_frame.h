// The frame a box tree measures its boxes in: the coordinate axes, or a model's principal
// axes where they fit it much more tightly, as for a model flat on a slant.
#pragma once

#include <array>
#include <span>

#include "geometry/vector.h"

namespace ombrix {

struct BoxFrame {
  std::array<double, 3> origin = {0.0, 0.0, 0.0};
  std::array<std::array<double, 3>, 3> axes = {{{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}}};
  // At least the distance between any of the points it was chosen for and origin + the sum
  // of its frame coordinates times the axes: how far the frame's rounding can misplace a
  // point. 0 for the coordinate axes, where frame coordinates are exact.
  double residual = 0.0;
};

// The coordinates of `point` along the frame's axes, from its origin, in double precision.
std::array<double, 3> frame_coordinates(const BoxFrame& frame, const Vector& point);

// The principal axes of `points` (at least three), about their mean, in no particular order.
BoxFrame principal_frame(std::span<const Vector> points);

// The coordinate axes, unless the principal axes of `points` hold them in a box less than
// half as thick.
BoxFrame choose_box_frame(std::span<const Vector> points);

}  // namespace ombrix
