// The first half of the own hull: the candidate planes through vertex triples that keep
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
// decide it, with a margin for every rounding: see candidate_planes.cpp. Cost: as
// build_own_hull's.
void for_each_accepted_plane(std::span<const Vector> points, const std::function<void(const Plane&)>& accept);

}  // namespace ombrix
