// Which planes of a hull can decide the points of a small box, so the others need not be tried.
#pragma once

#include <span>
#include <vector>

#include "geometry/bbox.h"
#include "geometry/plane.h"

namespace ombrix {

// Replaces `deciding` with the planes of `planes`, in order, that may give the largest plane
// value (rounded to single precision) at some point of `box`; a plane left out is below one of
// those at every point of the box. So inside_depth and outside_distance of any point in the box
// are the same over `deciding` as over `planes`, except that a result of 0 may change its sign.
//
// Bounds are taken in double precision with a margin far above their rounding; a plane with a
// bound that is not finite (an infinite or not-a-number field) is always kept.
void cull_planes(const BBox& box, std::span<const Plane> planes, std::vector<Plane>& deciding);

}  // namespace ombrix
