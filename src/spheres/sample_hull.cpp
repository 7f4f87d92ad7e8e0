#include "spheres/sample_hull.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "spheres/whole_rounding.h"

namespace ombrix {

namespace {

// A depth below a plane is its negated plane value, rounded alike: a point is kept where the
// largest hull plane value is at most -clearance and, for the depth to round to a whole number
// other than 0, below -0.5.
std::optional<float> settle_sample_block(const BlockBounds& bounds, float clearance) {
  const LargestValue& hull = bounds.hull;
  if (hull.low > -clearance || hull.low >= -0.5f) return 0.0f;
  bool all_kept = hull.high_known && hull.high <= -clearance && hull.high < -0.5f;
  for (const LargestValue& exclusion : bounds.exclusions) {
    if (excluded_throughout(exclusion, clearance)) return 0.0f;
    all_kept = all_kept && clear_throughout(exclusion, clearance);
  }
  if (all_kept) return 1.0f;
  return std::nullopt;
}

// Values 1 for a kept point, 0 for a dropped one.
GridPointRule sample_rule(float clearance) {
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  GridPointRule rule;
  rule.point_value = [clearance](const Vector& point, const VolumePlanes& planes) {
    return sample_point_kept(point, planes, clearance) ? 1.0f : 0.0f;
  };
  rule.settle_block = [clearance](const BlockBounds& bounds) { return settle_sample_block(bounds, clearance); };
  // A hull plane can only drop a point from above -clearance or from -0.5 on; an excluded
  // hull's plane can only keep one from above both the clearance and 0.
  rule.hull_threshold = std::min(std::nextafter(-clearance, kInfinity), -0.5f);
  rule.exclusion_threshold = std::nextafter(std::max(clearance, 0.0f), kInfinity);
  return rule;
}

}  // namespace

std::vector<SampleSphere> sample_hull(const VolumeGrid& grid, std::span<const Plane> hull,
                                      std::span<const std::span<const Plane>> exclusions) {
  std::vector<SampleSphere> samples;
  walk_grid(grid, GridPoints::kSamples, {hull, exclusions}, sample_rule(grid.sample_clearance),
            [&](const Vector& point, float) {
              samples.push_back({point, sample_weight(point, grid)});
            });
  return samples;
}

bool sample_point_kept(const Vector& point, const VolumePlanes& planes, float clearance) {
  if (round_half_even(inside_depth(point, planes.hull, clearance)) == 0.0) return false;
  for (const std::span<const Plane> exclusion : planes.exclusions) {
    if (outside_distance(point, exclusion, clearance) == 0.0f) return false;
  }
  return true;
}

float sample_weight(const Vector& point, const VolumeGrid& grid) {
  const Vector centre{grid.axes[0].centre, grid.axes[1].centre, grid.axes[2].centre};
  return static_cast<float>(point_distance(point, centre) / grid.half_diagonal);
}

}  // namespace ombrix
