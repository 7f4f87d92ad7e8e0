// The budget's way round a region that no plane can leave without opening: building up from a
// tetrahedron instead of dropping down from the hull.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "hull/budget/hull_points.h"

namespace ombrix {

// A tetrahedron touching the points, then, while fewer than `most_planes` (4 or more), the plane
// of `candidates` (each touching the points) that cuts the most off the region: closed from the
// start, so any budget of four or more is met. The planes come tetrahedron first, then in the
// order added; fewer when no candidate cuts anything more off.
std::vector<FacetPlane> add_planes(const HullPoints& hull, std::span<const FacetPlane> candidates, size_t most_planes);

}  // namespace ombrix
