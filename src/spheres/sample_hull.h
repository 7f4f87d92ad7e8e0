// The weighted sample points that measure how much of a hull the spheres cover.
#pragma once

#include <span>
#include <vector>

#include "geometry/plane.h"
#include "geometry/vector.h"
#include "spheres/volume_grid.h"

namespace ombrix {

struct SampleSphere {
  Vector position;
  float weight = 0.0f;  // distance from the box centre / half the box diagonal: 0 at the centre, 1 at a corner
};

// The points of the sample grid (x slowest, z fastest) that lie inside `hull` and outside every
// hull of `exclusions`, each weighted by its distance from the box centre.
//
// A point stays when its depth below the nearest plane of `hull` is at least the grid's sample
// clearance and, rounded to a whole number (halves to even), not 0: a small model therefore loses
// every point less than 0.5 units deep. It must also lie more than the sample clearance outside
// some plane of each excluded hull. `hull` and every list of `exclusions` must not be empty.
//
// Blocks of the grid well inside or outside are settled at once, the rest tried against the
// planes near them only (see for_each_kept_grid_point), with the same result as trying every
// plane at every point.
std::vector<SampleSphere> sample_hull(const VolumeGrid& grid, std::span<const Plane> hull,
                                      std::span<const std::span<const Plane>> exclusions);

}  // namespace ombrix
