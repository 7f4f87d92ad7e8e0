#include "spheres/cover_counts.h"

#include <cmath>

namespace ombrix {

namespace {

// The index of `value` on a row of `count` coordinates, or none when it is not one of them
// exactly. The nearest index by arithmetic may be one off by rounding, so its neighbours are
// looked at too.
std::optional<std::size_t> index_of(const std::vector<float>& row, float first, double spacing, float value) {
  const double guess = std::round((static_cast<double>(value) - first) / spacing);
  if (!(guess > -2.0 && guess < static_cast<double>(row.size()) + 1.0)) return std::nullopt;
  const auto middle = static_cast<std::int64_t>(guess);
  for (std::int64_t index = middle - 1; index <= middle + 1; ++index) {
    if (index >= 0 && index < static_cast<std::int64_t>(row.size()) && row[static_cast<std::size_t>(index)] == value) {
      return static_cast<std::size_t>(index);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<CoverCounts> CoverCounts::on_grid(std::span<const SampleSphere> samples, const VolumeGrid& grid) {
  CoverCounts counts;
  double points = 1.0;
  for (int axis = 0; axis < 3; ++axis) {
    const std::int64_t count = grid.axes[axis].sample_count;
    if (count <= 0) return std::nullopt;
    points *= static_cast<double>(count);
    std::vector<float>& row = counts.coordinates_[axis];
    row.resize(static_cast<std::size_t>(count));
    for (std::int64_t index = 0; index < count; ++index) {
      row[static_cast<std::size_t>(index)] = sample_coordinate(grid, axis, index);
    }
    counts.first_[axis] = row.front();
  }
  if (points > kMostSamplePoints) return std::nullopt;
  counts.spacing_ = grid.sample_spacing;
  counts.per_spacing_ = 1.0 / counts.spacing_;
  counts.counts_.assign(static_cast<std::size_t>(points), kNoSample);

  const std::size_t ny = counts.coordinates_[1].size();
  const std::size_t nz = counts.coordinates_[2].size();
  for (const SampleSphere& sample : samples) {
    const float position[3] = {sample.position.x, sample.position.y, sample.position.z};
    std::size_t index[3] = {};
    for (int axis = 0; axis < 3; ++axis) {
      const std::optional<std::size_t> found =
          index_of(counts.coordinates_[axis], counts.first_[axis], counts.spacing_, position[axis]);
      if (!found) return std::nullopt;
      index[axis] = *found;
    }
    std::uint32_t& count = counts.counts_[(index[0] * ny + index[1]) * nz + index[2]];
    if (count == 0) continue;  // the same point twice counts once
    count = 0;
    ++counts.sample_count_;
  }
  return counts;
}

std::size_t CoverCounts::add(const Sphere& sphere, int delta) {
  std::size_t changed = 0;
  const std::uint32_t edge = delta > 0 ? 0u : 1u;
  for_each_covered({sphere.x, sphere.y, sphere.z}, sphere.radius, [&](std::uint32_t& count) {
    if (count == edge) ++changed;
    count = delta > 0 ? count + 1 : count - 1;
  });
  covered_count_ = delta > 0 ? covered_count_ + changed : covered_count_ - changed;
  return changed;
}

std::pair<std::int64_t, std::int64_t> CoverCounts::index_range(int axis, double centre, double reach) const {
  const auto last_index = static_cast<std::int64_t>(coordinates_[axis].size()) - 1;
  const double middle = (centre - first_[axis]) * per_spacing_;
  const double half_width = std::sqrt(reach) * per_spacing_;
  const double low = std::ceil(middle - half_width) - 1.0;
  const double high = std::floor(middle + half_width) + 1.0;
  // Written so that a not-a-number gives the whole row, which the exact test then sorts out.
  const std::int64_t first =
      low > 0.0 ? (low <= static_cast<double>(last_index) ? static_cast<std::int64_t>(low) : last_index + 1) : 0;
  const std::int64_t last =
      high < static_cast<double>(last_index) ? (high >= 0.0 ? static_cast<std::int64_t>(high) : -1) : last_index;
  return {first, last};
}

}  // namespace ombrix
