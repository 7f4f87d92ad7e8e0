// A volume's grid points judged by its hull planes, trying at each point only the planes that can
// decide it.
#pragma once

#include <functional>
#include <limits>
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

// Where the largest plane value of the hull and of each excluded hull lies over a block of grid
// points (see cull_planes).
struct BlockBounds {
  LargestValue hull;
  std::span<const LargestValue> exclusions;
};

// How one kind of grid point is judged: a value for each point, 0 leaving it out.
struct PointJudge {
  // A hull plane (or a plane of an excluded hull) whose value stays below this everywhere in a
  // block changes no point's value there, whether or not it is the largest.
  float hull_matters_from = -std::numeric_limits<float>::infinity();
  float exclusion_matters_from = -std::numeric_limits<float>::infinity();
  // The value of every point of a block with these bounds, when the bounds settle it; empty
  // when the points must be judged one by one.
  std::function<std::optional<float>(const BlockBounds& bounds)> block_value;
  // A point's value. Must be the same over the planes that cull_planes keeps as over all.
  std::function<float(const Vector& point, const JudgingPlanes& planes)> value;
};

// Receives a point that is kept, with its value.
using TakePoint = std::function<void(const Vector& point, float value)>;

// Calls `take` for every point of the sample or candidate grid whose value is not 0, x slowest
// and z fastest, as a plain walk over the grid would.
//
// The grid is cut into blocks, each with the planes of `hull` and of each hull of `exclusions`
// that can decide its points (see cull_planes): `judge.block_value` is asked first, in no
// particular order, and where it gives no value for the whole block, `judge.value` is asked for
// each point with only those planes.
//
// Expects a grid that fill_spheres accepts (at most 64000000 points); a row with a count of 0 or
// below makes the walk empty. Keeps the values of one slab of the grid at a time: about a
// million points, or one x layer when that is larger.
void for_each_kept_grid_point(const VolumeGrid& grid, GridPoints which, std::span<const Plane> hull,
                              std::span<const std::span<const Plane>> exclusions, const PointJudge& judge,
                              const TakePoint& take);

}  // namespace ombrix
