// The candidate spheres a hull's spheres are chosen from: centres on a grid, radii that fit.
#pragma once

#include <span>
#include <vector>

#include "geometry/plane.h"
#include "geometry/vector.h"
#include "spheres/volume_grid.h"

namespace ombrix {

struct SpherePosition {
  float score = 0.0f;  // summed weight of the samples it covered when last evaluated; 0 when laid out
  Vector centre;
  float radius = 0.0f;
};

// The candidates of the grid (x slowest, z fastest) whose centre lies at least the candidate
// clearance deep inside `hull`, with score 0.
//
// A radius is the centre's depth below the nearest plane of `hull`, plus the grid's overshoot;
// then, for each hull of `exclusions` in order, it is cut to how far the centre lies beyond that
// hull's farthest plane, and a centre not more than the clearance outside some plane of an
// excluded hull drops the candidate. So no overshoot reaches into an excluded hull. A candidate
// whose radius ends exactly at 0 is dropped; a negative one (negative overshoot) is kept.
// `hull` and every list of `exclusions` must not be empty.
//
// Blocks of the grid that no candidate can come from are passed over at once, the rest tried
// against the planes that may be nearest only (see for_each_kept_grid_point), with the same
// radii as trying every plane at every centre.
std::vector<SpherePosition> lay_out_candidates(const VolumeGrid& grid, std::span<const Plane> hull,
                                               std::span<const std::span<const Plane>> exclusions);

}  // namespace ombrix
