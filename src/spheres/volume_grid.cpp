#include "spheres/volume_grid.h"

#include <algorithm>
#include <cmath>

#include "spheres/whole_rounding.h"

namespace ombrix {

namespace {

// Single-precision constants, as hull files have always been computed with them.
constexpr float kRowMargin = 0.495f;          // least spacings between the outermost candidate and the box face
constexpr float kCandidateClearance = 0.99f;  // share of half a candidate spacing
constexpr float kSampleClearance = 0.9f;      // share of half a sample spacing

// How many points a grid with these per-axis counts visits: an empty row empties the grid.
double grid_points(const std::array<double, 3>& counts) {
  double total = 1.0;
  for (const double count : counts) {
    if (!(count > 0.0)) return 0.0;
    total *= count;
  }
  return total;
}

// Rounds to single precision, kept in double for the step that follows (floor, round).
double as_single(double value) { return static_cast<float>(value); }

}  // namespace

VolumeGrid volume_grid(const BBox& box, const FillParameters& parameters) {
  VolumeGrid grid;
  const Vector extents = box_extents(box);
  const std::array<float, 3> extent{extents.x, extents.y, extents.z};
  const std::array<float, 3> low{box.min_x, box.min_y, box.min_z};
  const std::array<float, 3> high{box.max_x, box.max_y, box.max_z};

  const double m = std::min({extents.x, extents.y, extents.z});
  grid.smallest_extent = static_cast<float>(m);
  grid.half_diagonal = static_cast<float>(
      std::sqrt((static_cast<double>(extents.x) * extents.x + static_cast<double>(extents.y) * extents.y) +
                static_cast<double>(extents.z) * extents.z) /
      2.0);

  grid.nominal_spacing = static_cast<float>(m / parameters.grid_resolution);
  const double half_count = std::round(as_single((m / 2.0) / grid.nominal_spacing - 0.5));
  grid.half_count = to_count(half_count);
  const double a = static_cast<float>((m / 2.0) / (half_count + 0.5));
  grid.candidate_spacing = static_cast<float>(a);
  grid.candidate_clearance = static_cast<float>((a / 2.0) * kCandidateClearance);
  grid.overshoot = static_cast<float>(m * static_cast<float>(parameters.overshoot_percent / 100.0));

  const double u = static_cast<float>(m / parameters.sample_resolution);
  grid.sample_spacing = static_cast<float>(u);
  grid.sample_clearance = static_cast<float>((u / 2.0) * kSampleClearance);

  std::array<double, 3> candidate_counts{};
  std::array<double, 3> sample_counts{};
  for (size_t i = 0; i < 3; ++i) {
    GridAxis& axis = grid.axes[i];
    axis.extent = extent[i];
    axis.centre = static_cast<float>((static_cast<double>(low[i]) + high[i]) / 2.0);

    const double half = std::floor(as_single((static_cast<double>(extent[i]) / 2.0) / a - kRowMargin));
    candidate_counts[i] = 2.0 * half + 1.0;
    axis.candidate_half_count = to_count(half);
    axis.candidate_count = to_count(candidate_counts[i]);
    axis.first_candidate = static_cast<float>(axis.centre - half * a);
    axis.last_candidate = static_cast<float>(axis.centre + half * a);

    sample_counts[i] = std::floor(as_single(extent[i] / u));
    axis.sample_count = to_count(sample_counts[i]);
    axis.first_sample =
        static_cast<float>(low[i] + (static_cast<double>(extent[i]) - (sample_counts[i] - 1.0) * u) / 2.0);
  }
  grid.sample_points = grid_points(sample_counts);
  grid.sphere_positions = grid_points(candidate_counts);
  return grid;
}

float sample_coordinate(const VolumeGrid& grid, int axis, std::int64_t index) {
  return static_cast<float>(grid.axes[axis].first_sample + static_cast<double>(index) * grid.sample_spacing);
}

float candidate_coordinate(const VolumeGrid& grid, int axis, std::int64_t index) {
  const GridAxis& row = grid.axes[axis];
  if (index < row.candidate_half_count) {
    return static_cast<float>(row.first_candidate + static_cast<double>(index) * grid.candidate_spacing);
  }
  if (index == row.candidate_half_count) return row.centre;
  return static_cast<float>(row.last_candidate -
                            static_cast<double>(row.candidate_count - 1 - index) * grid.candidate_spacing);
}

}  // namespace ombrix
