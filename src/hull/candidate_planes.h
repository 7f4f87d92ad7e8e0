// The first half of the internal hull: the candidate planes through vertex triples that keep
// every vertex on one side, before near-duplicates are merged.
#pragma once

#include <span>
#include <vector>

#include "geometry/plane.h"
#include "geometry/vector.h"

namespace ombrix {

// For every triple i < j < k of `points` in lexicographic order, the plane through them
// (plane_from_points) when it is accepted: at least one point lies farther than 0.5 from it
// and all such points lie on one side. An accepted plane is turned (all four fields negated)
// so that those points lie on its negative side.
//
// Only triples that can be accepted are tried, and each against only the points that can
// decide it, both found from the exact hull with a margin for every rounding; when no exact
// hull can be made (fewer than four points, a flat model, a Qhull failure) or the coordinates
// reach sizes where rounding is no longer relative, every triple is tried. Cost: about the
// vertex count times the hull's facet count, plus the triples near a common face of the hull,
// which grow with the cube of the number of vertices near one face.
std::vector<Plane> accepted_candidate_planes(std::span<const Vector> points);

}  // namespace ombrix
