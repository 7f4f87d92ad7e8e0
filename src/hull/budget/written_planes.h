// The budget's planes as a hull file holds them: single-precision fields that keep every point
// inside.
#pragma once

#include <span>
#include <vector>

#include "geometry/plane.h"
#include "geometry/vector.h"
#include "hull/budget/hull_points.h"

namespace ombrix {

// Each of `planes` (unit normals, closing a region around `points`) in single precision, with
// every point no more than `allowed` out of it as plane_value computes from the written fields,
// and a little less, so that a sum in another order cannot put a point out either.
//
// Rounding can only move a plane out; of the normals one unit in the last place around the
// rounded one (27 in all), each with the largest offset that keeps the points in, the one whose
// plane lies farthest in at its face's centroid is taken, so the region grows least.
// Cost: 27 times the points for each plane.
std::vector<Plane> written_planes(const HullPoints& hull, std::span<const FacetPlane> planes,
                                  std::span<const Vector> points, double allowed);

}  // namespace ombrix
