// The candidate spheres a hull's spheres are chosen from: centres on a grid, radii that fit.
#pragma once

#include <span>
#include <vector>

#include "geometry/plane.h"
#include "geometry/vector.h"
#include "spheres/volume_grid.h"
#include "spheres/walk_grid.h"

namespace ombrix {

struct SpherePosition {
  float score = 0.0f;  // summed weight of the samples it covered when last evaluated; 0 when laid out
  Vector centre;
  float radius = 0.0f;
};

// The candidates of the grid (x slowest, z fastest) to which candidate_radius gives a radius
// other than 0 (a negative one is kept), with score 0. `hull` and every list of `exclusions`
// must not be empty.
//
// Blocks of the grid that no candidate can come from are passed over at once, the rest tried
// against the planes that may be nearest only (see walk_grid), with the same radii as trying
// every plane at every centre.
std::vector<SpherePosition> lay_out_candidates(const VolumeGrid& grid, std::span<const Plane> hull,
                                               std::span<const std::span<const Plane>> exclusions);

// The radius of the candidate centred at `centre`, or 0 when it is dropped: its depth below the
// nearest hull plane (at least the grid's candidate clearance, else it is dropped), plus the
// grid's overshoot; then, for each excluded hull in order, cut to how far the centre lies beyond
// that hull's farthest plane, and dropped when it is not more than the clearance beyond one. So
// no overshoot reaches into an excluded hull. Negative when a negative overshoot outweighs the
// depth.
float candidate_radius(const Vector& centre, const VolumePlanes& planes, const VolumeGrid& grid);

}  // namespace ombrix
