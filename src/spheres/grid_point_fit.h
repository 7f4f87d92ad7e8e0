// Whether one grid point of a volume becomes a sample or a candidate, judged by its hull planes.
#pragma once

#include <optional>
#include <span>

#include "geometry/plane.h"
#include "geometry/vector.h"
#include "spheres/plane_culling.h"
#include "spheres/volume_grid.h"

namespace ombrix {

// The planes that judge a point: the volume's hull and, in order, each excluded hull. They may
// be all of them or only those that can decide the point; the answers are the same.
struct JudgingPlanes {
  std::span<const Plane> hull;
  std::span<const std::span<const Plane>> exclusions;
};

// True when `point` lies at least `clearance` deep below every hull plane with a depth that,
// rounded to a whole number (halves to even), is not 0 (so a point at most 0.5 deep is never
// kept), and more than `clearance` outside some plane of each excluded hull.
bool sample_point_kept(const Vector& point, const JudgingPlanes& planes, float clearance);

// The weight of the sample at `point`: its distance from the box centre over half the diagonal.
float sample_weight(const Vector& point, const VolumeGrid& grid);

// The radius of the candidate centred at `centre`, or 0 when it is dropped: its depth below the
// nearest hull plane (at least the grid's candidate clearance, else 0) plus the grid's
// overshoot, then cut to how far it lies beyond each excluded hull's farthest plane, 0 when it
// is not more than the clearance beyond one. Negative when a negative overshoot outweighs it.
float candidate_radius(const Vector& centre, const JudgingPlanes& planes, const VolumeGrid& grid);

// Where the largest plane value of the hull and of each excluded hull lies over a block of grid
// points (see cull_planes).
struct BlockBounds {
  LargestValue hull;
  std::span<const LargestValue> exclusions;
};

// When the bounds settle sample_point_kept for every point of the block: 1 when all are kept, 0
// when none is. Empty when the points must be judged one by one.
std::optional<float> sample_block_value(const BlockBounds& bounds, float clearance);

// 0 when the bounds make candidate_radius 0 at every point of the block; empty otherwise.
std::optional<float> candidate_block_value(const BlockBounds& bounds, const VolumeGrid& grid);

}  // namespace ombrix
