// A hull plane in double precision with its normal scaled to unit length, so that plane values
// are distances whatever length the file's normal had.
#pragma once

#include <optional>

#include "geometry/plane.h"
#include "hull/qhull/exact_hull.h"

namespace ombrix {

// `plane` divided by the length of its normal; nothing when a value is not finite or the normal
// is zero.
std::optional<FacetPlane> unit_plane(const Plane& plane);

}  // namespace ombrix
