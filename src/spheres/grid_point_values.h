// A volume's grid points judged by its hull planes, trying at each point only the planes that can
// decide it.
#pragma once

#include <functional>
#include <optional>
#include <span>

#include "geometry/plane.h"
#include "geometry/vector.h"
#include "spheres/grid_point_fit.h"
#include "spheres/volume_grid.h"

namespace ombrix {

// A grid point's value, judged by its planes; 0 leaves the point out.
using PointValue = std::function<float(const Vector& point, const JudgingPlanes& planes)>;

// The value of every point of a block whose planes have these bounds, when the bounds settle it;
// empty when the points must be judged one by one.
using BlockValue = std::function<std::optional<float>(const BlockBounds& bounds)>;

// Receives a point that is kept, with its value.
using TakePoint = std::function<void(const Vector& point, float value)>;

// Calls `take` for every point of the sample or candidate grid whose value is not 0, x slowest
// and z fastest, as a plain walk over the grid would.
//
// The grid is cut into blocks, each with the planes of `hull` and of each hull of `exclusions`
// that can decide its points (see cull_planes): `block_value` is asked first, in no particular
// order, and where it gives no value for the whole block, `value` is asked for each point with
// only those planes. `value` must give the same answer as over all planes, as inside_depth and
// outside_distance do (a result of 0 may come with either sign), and `block_value` the same as
// `value` at each point.
//
// Expects a grid that fill_spheres accepts (at most 64000000 points); a row with a count of 0 or
// below makes the walk empty. Keeps the values of one slab of the grid at a time: about a
// million points, or one x layer when that is larger.
void for_each_kept_grid_point(const VolumeGrid& grid, GridPoints which, std::span<const Plane> hull,
                              std::span<const std::span<const Plane>> exclusions, const BlockValue& block_value,
                              const PointValue& value, const TakePoint& take);

}  // namespace ombrix
