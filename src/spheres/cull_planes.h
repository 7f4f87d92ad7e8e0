// Which planes of a hull can decide the points of a small box, so the others need not be tried.
#pragma once

#include <span>
#include <vector>

#include "geometry/bbox.h"
#include "geometry/plane.h"

namespace ombrix {

// Where the largest plane value of a plane list, rounded to single precision as inside_depth and
// outside_distance round each value, lies at every point of a box: at least `low`, and at most
// `high` when `high_known` (false when a plane has an infinite or not-a-number field). A list
// without planes has -infinity for both.
struct LargestValue {
  float low = 0.0f;
  float high = 0.0f;
  bool high_known = true;
};

// Replaces `deciding` with the planes of `planes`, in order, that may give the largest plane
// value at some point of `box` and may reach `threshold` there (values rounded to single
// precision). A plane left out is below one of those, or below `threshold`, at every point of
// the box. So with `threshold` at -infinity, inside_depth and outside_distance of any point in
// the box are the same over `deciding` as over `planes` (a result of 0 may change its sign);
// otherwise any test of whether the largest value reaches `threshold` is. Returns where the
// largest value of all of `planes` lies over the box.
//
// Bounds are taken in double precision with a margin far above their rounding; a plane with a
// bound that is not finite is always kept.
LargestValue cull_planes(const BBox& box, std::span<const Plane> planes, float threshold, std::vector<Plane>& deciding);

}  // namespace ombrix
