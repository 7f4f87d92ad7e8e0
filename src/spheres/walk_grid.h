// Walks a volume's sample or candidate grid in grid order, trying each point against only the
// hull planes that can decide it.
#pragma once

#include <functional>
#include <limits>
#include <optional>
#include <span>

#include "geometry/plane.h"
#include "geometry/vector.h"
#include "spheres/cull_planes.h"
#include "spheres/volume_grid.h"

namespace ombrix {

// The planes a grid point is tried against: the volume's hull and, in order, each excluded hull.
// All of them, or only those that can decide the point: the answers are the same.
struct VolumePlanes {
  std::span<const Plane> hull;
  std::span<const std::span<const Plane>> exclusions;
};

// Where the largest plane value of the hull and of each excluded hull lies over a block of grid
// points (see cull_planes).
struct BlockBounds {
  LargestValue hull;
  std::span<const LargestValue> exclusions;
};

// What one kind of grid point is given: a value, 0 leaving the point out.
struct GridPointRule {
  // The value of a point. Must be the same over the planes that cull_planes keeps with the
  // thresholds below as over all the planes.
  std::function<float(const Vector& point, const VolumePlanes& planes)> point_value;
  // The value of every point of a block with these bounds, when the bounds settle it; empty
  // when the points must be tried one by one.
  std::function<std::optional<float>(const BlockBounds& bounds)> settle_block;
  // A hull plane (or a plane of an excluded hull) whose value stays below its threshold all over
  // a block changes no point's value there, whether or not it is the largest.
  float hull_threshold = -std::numeric_limits<float>::infinity();
  float exclusion_threshold = -std::numeric_limits<float>::infinity();
};

// Over a block with `bounds` for an excluded hull: true when outside_distance(point, its planes,
// `clearance`) is surely 0 at every point (the hull takes them all), and when it is surely not 0
// at any point (the hull takes none).
bool excluded_throughout(const LargestValue& bounds, float clearance);
bool clear_throughout(const LargestValue& bounds, float clearance);

// Receives a point that is kept, with its value.
using TakePoint = std::function<void(const Vector& point, float value)>;

// Calls `take` for every point of the sample or candidate grid whose value under `rule` is not
// 0, x slowest and z fastest, exactly as a plain walk asking rule.point_value with all of
// `planes` at every point would.
//
// rule.settle_block is asked first for blocks of the grid, in no particular order, with the
// bounds over each; where it gives no value, rule.point_value is asked for each point of the
// block with only the planes that can decide it.
//
// Expects a grid that fill_spheres accepts (at most 64000000 points); a row with a count of 0 or
// below makes the walk empty. Keeps the values of one slab of the grid at a time: about a
// million points, or one x layer when that is larger.
void walk_grid(const VolumeGrid& grid, GridPoints which, const VolumePlanes& planes, const GridPointRule& rule,
               const TakePoint& take);

}  // namespace ombrix
