// The first half of the internal hull: the candidate planes through vertex triples that keep
// every vertex on one side, before near-duplicates are merged.
#pragma once

#include <functional>
#include <span>

#include "geometry/plane.h"
#include "geometry/vector.h"

namespace ombrix {

// Calls `accept` with the plane through every triple i < j < k of `points` (plane_from_points),
// in lexicographic order, that is accepted: at least one point lies farther than 0.5 from it
// and all such points lie on one side. An accepted plane is turned (all four fields negated)
// so that those points lie on its negative side.
//
// Only triples that can be accepted are tried, and each against only the points that can
// decide it, both found from the exact hull with a margin for every rounding. Cost: about the
// vertex count times the hull's facet count, plus the triples near a common face of the hull,
// which grow with the cube of the number of vertices near one face, plus the square of the
// vertex count for each vertex far larger than the rest. When no exact hull can be made (a flat
// or collinear model) every triple is tried.
void for_each_accepted_plane(std::span<const Vector> points, const std::function<void(const Plane&)>& accept);

}  // namespace ombrix
