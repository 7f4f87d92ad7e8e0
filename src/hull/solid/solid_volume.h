// How much a hull's solid holds, and how much a point set's convex hull holds.
#pragma once

#include <optional>
#include <span>

#include "geometry/vector.h"
#include "hull/solid/hull_solid.h"

namespace ombrix {

// The volume of `solid` (as solid_of_planes fills it for a closed region), from its faces'
// corners in double precision: 0 for an empty solid.
double solid_volume(const HullSolid& solid);

// The volume of the convex hull of `points`, through the planes of its faces rounded to single
// precision (so within about a millionth of it); nothing when the points have no
// three-dimensional hull (fewer than four, in one plane or on one line).
std::optional<double> convex_hull_volume(std::span<const Vector> points);

}  // namespace ombrix
