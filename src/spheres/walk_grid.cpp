#include "spheres/walk_grid.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

// How the walk saves work. A point's value depends on the largest plane value of the hull (and
// of each excluded hull) there, and often only on whether that value passes a threshold. For a
// block of the grid, cull_planes bounds every plane's value over the block and drops the planes
// that lie below another plane all over it (they are never the largest there) or below the
// rule's threshold (they cannot change a value). The bounds of the largest values often settle
// the whole block at once: well inside the hull, outside it, inside an excluded hull. A block
// they do not settle is halved across its widest side, each half culling again from its
// parent's planes, until it is small or few planes remain; then its points are tried one by one
// with the planes left. Each slab of the grid starts as one block.
//
// Why the result cannot change: a plane is culled only where it cannot give a point's largest
// value or move it across the threshold, judged from bounds in double precision widened far
// beyond their rounding; and the values are gathered per slab and handed out in plain grid
// order, whatever order the blocks were settled in.

namespace ombrix {

namespace {

// A block this small is tried point by point with the planes culled for it; so is one that
// few planes decide, where further culling would cost more than it saves.
constexpr std::int64_t kLeafPoints = 64;
constexpr size_t kFewPlanes = 4;
// Values kept at once: whole x layers up to this many points.
constexpr std::int64_t kSlabPoints = std::int64_t{1} << 20;

// Grid indices [low, high) on each axis.
struct IndexBlock {
  std::array<std::int64_t, 3> low{};
  std::array<std::int64_t, 3> high{};

  std::int64_t size(int axis) const { return high[axis] - low[axis]; }
  std::int64_t points() const { return size(0) * size(1) * size(2); }
};

// The culled planes of one depth of the block tree, and where their largest values lie.
struct CulledPlanes {
  std::vector<Plane> hull;
  std::vector<std::vector<Plane>> exclusions;
  std::vector<std::span<const Plane>> exclusion_spans;
  std::vector<LargestValue> exclusion_bounds;
};

class SlabWalk {
 public:
  SlabWalk(const VolumeGrid& grid, GridPoints which, size_t exclusion_count, const GridPointRule& rule) : rule_(rule) {
    size_t depth = 1;
    for (int axis = 0; axis < 3; ++axis) {
      const std::int64_t count =
          which == GridPoints::kSamples ? grid.axes[axis].sample_count : grid.axes[axis].candidate_count;
      std::vector<float>& row = coordinates_[axis];
      row.resize(static_cast<size_t>(count));
      for (std::int64_t index = 0; index < count; ++index) {
        row[static_cast<size_t>(index)] = which == GridPoints::kSamples ? sample_coordinate(grid, axis, index)
                                                                        : candidate_coordinate(grid, axis, index);
      }
      depth += static_cast<size_t>(std::bit_width(static_cast<std::uint64_t>(count)));
    }
    levels_.resize(depth);
    for (CulledPlanes& level : levels_) {
      level.exclusions.resize(exclusion_count);
      level.exclusion_spans.resize(exclusion_count);
      level.exclusion_bounds.resize(exclusion_count);
    }
  }

  std::int64_t count(int axis) const { return static_cast<std::int64_t>(coordinates_[axis].size()); }

  Vector point(std::int64_t i, std::int64_t j, std::int64_t l) const {
    return {coordinates_[0][static_cast<size_t>(i)], coordinates_[1][static_cast<size_t>(j)],
            coordinates_[2][static_cast<size_t>(l)]};
  }

  // Sets the value of every point of `slab` (all of y and z) in `values`, x layer by x layer.
  void value_slab(const IndexBlock& slab, const VolumePlanes& planes, std::vector<float>& values) {
    slab_ = slab;
    values_ = &values;
    value_block(slab, 0, planes);
  }

 private:
  BBox coordinate_box(const IndexBlock& block) const {
    std::array<float, 3> low{};
    std::array<float, 3> high{};
    for (int axis = 0; axis < 3; ++axis) {
      const auto first = coordinates_[axis].begin() + block.low[axis];
      const auto [least, most] = std::minmax_element(first, first + block.size(axis));
      low[axis] = *least;
      high[axis] = *most;
    }
    return {low[0], high[0], low[1], high[1], low[2], high[2]};
  }

  void value_block(const IndexBlock& block, size_t depth, const VolumePlanes& parent) {
    CulledPlanes& level = levels_[depth];
    const BBox box = coordinate_box(block);
    const LargestValue hull_bounds = cull_planes(box, parent.hull, rule_.hull_threshold, level.hull);
    size_t plane_count = level.hull.size();
    for (size_t e = 0; e < level.exclusions.size(); ++e) {
      level.exclusion_bounds[e] =
          cull_planes(box, parent.exclusions[e], rule_.exclusion_threshold, level.exclusions[e]);
      level.exclusion_spans[e] = level.exclusions[e];
      plane_count += level.exclusions[e].size();
    }
    if (const std::optional<float> settled = rule_.settle_block({hull_bounds, level.exclusion_bounds})) {
      fill(block, *settled);
      return;
    }

    const VolumePlanes planes{level.hull, level.exclusion_spans};
    if (block.points() <= kLeafPoints || plane_count <= kFewPlanes) {
      value_points(block, planes);
      return;
    }
    int widest = 0;
    for (int axis = 1; axis < 3; ++axis) {
      if (block.size(axis) > block.size(widest)) widest = axis;
    }
    IndexBlock lower = block;
    IndexBlock upper = block;
    lower.high[widest] = upper.low[widest] = block.low[widest] + block.size(widest) / 2;
    value_block(lower, depth + 1, planes);
    value_block(upper, depth + 1, planes);
  }

  template <typename PointValueAt>
  void set_values(const IndexBlock& block, PointValueAt value_at) {
    for (std::int64_t i = block.low[0]; i < block.high[0]; ++i) {
      for (std::int64_t j = block.low[1]; j < block.high[1]; ++j) {
        const std::int64_t row = ((i - slab_.low[0]) * count(1) + j) * count(2);
        for (std::int64_t l = block.low[2]; l < block.high[2]; ++l) {
          (*values_)[static_cast<size_t>(row + l)] = value_at(i, j, l);
        }
      }
    }
  }

  void fill(const IndexBlock& block, float value) {
    set_values(block, [value](std::int64_t, std::int64_t, std::int64_t) { return value; });
  }

  void value_points(const IndexBlock& block, const VolumePlanes& planes) {
    set_values(block, [&](std::int64_t i, std::int64_t j, std::int64_t l) {
      return rule_.point_value(point(i, j, l), planes);
    });
  }

  const GridPointRule& rule_;
  std::array<std::vector<float>, 3> coordinates_;
  std::vector<CulledPlanes> levels_;  // one per depth, so no culling allocates after the first slab
  IndexBlock slab_;
  std::vector<float>* values_ = nullptr;
};

}  // namespace

bool excluded_throughout(const LargestValue& bounds, float clearance) {
  return bounds.high_known && !(bounds.high > clearance && bounds.high > 0.0f);
}

bool clear_throughout(const LargestValue& bounds, float clearance) {
  return bounds.low > clearance && bounds.low > 0.0f;
}

void walk_grid(const VolumeGrid& grid, GridPoints which, const VolumePlanes& planes, const GridPointRule& rule,
               const TakePoint& take) {
  for (const GridAxis& axis : grid.axes) {
    if ((which == GridPoints::kSamples ? axis.sample_count : axis.candidate_count) <= 0) return;
  }
  SlabWalk walk(grid, which, planes.exclusions.size(), rule);
  const std::int64_t layer = walk.count(1) * walk.count(2);
  const std::int64_t thickness = std::max<std::int64_t>(1, kSlabPoints / layer);

  std::vector<float> values;
  for (std::int64_t first = 0; first < walk.count(0); first += thickness) {
    const IndexBlock slab{{first, 0, 0}, {std::min(walk.count(0), first + thickness), walk.count(1), walk.count(2)}};
    values.resize(static_cast<size_t>(slab.points()));
    walk.value_slab(slab, planes, values);

    size_t at = 0;
    for (std::int64_t i = slab.low[0]; i < slab.high[0]; ++i) {
      for (std::int64_t j = 0; j < slab.high[1]; ++j) {
        for (std::int64_t l = 0; l < slab.high[2]; ++l) {
          const float value = values[at++];
          if (value != 0.0f) take(walk.point(i, j, l), value);
        }
      }
    }
  }
}

}  // namespace ombrix
