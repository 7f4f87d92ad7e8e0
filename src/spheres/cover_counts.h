// How many spheres cover each sample point of a volume, each point found by its place on the
// sample grid, so that moving one sphere costs only the points within its reach.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "geometry/vector.h"
#include "record/sphere.h"
#include "spheres/sample_hull.h"
#include "spheres/square_reach.h"
#include "spheres/volume_grid.h"

namespace ombrix {

// A sample is covered by a sphere exactly when place_spheres would count it covered:
// point_distance(sample, centre) <= radius. Memory: four bytes per point of the sample grid,
// sample or not.
class CoverCounts {
 public:
  // Counts for `samples`, none covered yet; none when a sample does not lie exactly on a point
  // of `grid`'s sample grid (sample_hull's samples always do) or the grid holds no points.
  static std::optional<CoverCounts> on_grid(std::span<const SampleSphere> samples, const VolumeGrid& grid);

  // Calls `visit(count)` with a reference to the count of every sample the sphere covers, x
  // slowest and z fastest. A radius below 0 or not a number covers nothing.
  template <typename Visit>
  void for_each_covered(const Vector& centre, float radius, Visit visit);

  // Counts `sphere` in (`delta` 1) or out (`delta` -1, only for a sphere counted in before) and
  // returns how many samples it newly covered or left uncovered.
  std::size_t add(const Sphere& sphere, int delta);

  std::size_t sample_count() const { return sample_count_; }
  std::size_t covered_count() const { return covered_count_; }

  // Grid points tested so far, every call together: the work done.
  double points_tested() const { return points_tested_; }

 private:
  static constexpr std::uint32_t kNoSample = 0xFFFFFFFFu;

  CoverCounts() = default;

  // The first and last index on `axis` whose coordinate may lie within the square root of
  // `reach` (a squared distance) of `centre`, with one point to spare on either side; empty
  // (first > last) when none.
  std::pair<std::int64_t, std::int64_t> index_range(int axis, double centre, double reach) const;

  std::vector<float> coordinates_[3];  // of the sample grid's points on each axis
  float first_[3] = {};
  double spacing_ = 0.0;
  double per_spacing_ = 0.0;           // spacings per unit: multiplying is cheaper than dividing
  std::vector<std::uint32_t> counts_;  // x slowest, z fastest; kNoSample where no sample lies
  std::size_t sample_count_ = 0;
  std::size_t covered_count_ = 0;
  double points_tested_ = 0.0;
};

template <typename Visit>
void CoverCounts::for_each_covered(const Vector& centre, float radius, Visit visit) {
  const double reach = square_reach(radius);
  if (!(reach >= 0.0)) return;
  const double c[3] = {centre.x, centre.y, centre.z};
  const auto [first_i, last_i] = index_range(0, c[0], reach);
  const auto ny = static_cast<std::int64_t>(coordinates_[1].size());
  const auto nz = static_cast<std::int64_t>(coordinates_[2].size());
  for (std::int64_t i = first_i; i <= last_i; ++i) {
    const double dx = c[0] - coordinates_[0][static_cast<std::size_t>(i)];
    const double left_x = reach - dx * dx;
    if (left_x < 0.0) continue;
    const auto [first_j, last_j] = index_range(1, c[1], left_x);
    for (std::int64_t j = first_j; j <= last_j; ++j) {
      const double dy = c[1] - coordinates_[1][static_cast<std::size_t>(j)];
      const double plane = dx * dx + dy * dy;
      if (plane > reach) continue;
      const auto [first_l, last_l] = index_range(2, c[2], reach - plane);
      const std::size_t row = static_cast<std::size_t>((i * ny + j) * nz);
      points_tested_ += static_cast<double>(last_l - first_l + 1);
      for (std::int64_t l = first_l; l <= last_l; ++l) {
        std::uint32_t& count = counts_[row + static_cast<std::size_t>(l)];
        if (count == kNoSample) continue;
        const double dz = c[2] - coordinates_[2][static_cast<std::size_t>(l)];
        if (plane + dz * dz <= reach) visit(count);
      }
    }
  }
}

}  // namespace ombrix
