// The weighted sample points that measure how much of a hull the spheres cover.
#pragma once

#include <span>
#include <vector>

#include "geometry/plane.h"
#include "geometry/vector.h"
#include "spheres/volume_grid.h"
#include "spheres/walk_grid.h"

namespace ombrix {

struct SampleSphere {
  Vector position;
  float weight = 0.0f;  // distance from the box centre / half the box diagonal: 0 at the centre, 1 at a corner
};

// The points of the sample grid (x slowest, z fastest) that sample_point_kept keeps, each
// weighted by sample_weight. `hull` and every list of `exclusions` must not be empty.
//
// Blocks of the grid well inside or outside are settled at once, the rest tried against the
// planes near them only (see walk_grid), with the same result as trying every plane at every
// point.
std::vector<SampleSphere> sample_hull(const VolumeGrid& grid, std::span<const Plane> hull,
                                      std::span<const std::span<const Plane>> exclusions);

// True when `point` lies at least `clearance` deep below every plane of the hull, with a depth
// below the nearest one that, rounded to a whole number (halves to even), is not 0 (so a small
// model loses every point 0.5 or less deep), and more than `clearance` outside some plane of
// each excluded hull.
bool sample_point_kept(const Vector& point, const VolumePlanes& planes, float clearance);

// The weight of the sample at `point`: its distance from the box centre over half the diagonal.
float sample_weight(const Vector& point, const VolumeGrid& grid);

}  // namespace ombrix
