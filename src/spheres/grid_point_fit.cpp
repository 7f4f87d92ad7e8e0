#include "spheres/grid_point_fit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "spheres/whole_rounding.h"

namespace ombrix {

namespace {

// A depth below a plane is its negated plane value, rounded alike: a point is at least
// `clearance` deep below every hull plane where the largest hull plane value is at most
// -clearance. An excluded hull lets a point be where its largest value exceeds both the
// clearance and 0.
bool exclusion_fails_everywhere(const LargestValue& bounds, float clearance) {
  return bounds.high_known && !(bounds.high > clearance && bounds.high > 0.0f);
}

bool exclusion_passes_everywhere(const LargestValue& bounds, float clearance) {
  return bounds.low > clearance && bounds.low > 0.0f;
}

std::optional<float> sample_block_value(const BlockBounds& bounds, float clearance) {
  // A kept point is at least the clearance deep and, rounded, not 0 deep: more than 0.5.
  const LargestValue& hull = bounds.hull;
  if (hull.low > -clearance || hull.low >= -0.5f) return 0.0f;
  bool all_kept = hull.high_known && hull.high <= -clearance && hull.high < -0.5f;
  for (const LargestValue& exclusion : bounds.exclusions) {
    if (exclusion_fails_everywhere(exclusion, clearance)) return 0.0f;
    all_kept = all_kept && exclusion_passes_everywhere(exclusion, clearance);
  }
  if (all_kept) return 1.0f;
  return std::nullopt;
}

std::optional<float> candidate_block_value(const BlockBounds& bounds, const VolumeGrid& grid) {
  const float clearance = grid.candidate_clearance;
  if (bounds.hull.low > -clearance) return 0.0f;
  for (const LargestValue& exclusion : bounds.exclusions) {
    if (exclusion_fails_everywhere(exclusion, clearance)) return 0.0f;
  }
  return std::nullopt;
}

}  // namespace

bool sample_point_kept(const Vector& point, const JudgingPlanes& planes, float clearance) {
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

float candidate_radius(const Vector& centre, const JudgingPlanes& planes, const VolumeGrid& grid) {
  const float clearance = grid.candidate_clearance;
  float radius = inside_depth(centre, planes.hull, clearance);
  if (radius == 0.0f) return 0.0f;

  // The overshoot goes on before the excluded hulls cut the radius back.
  radius = static_cast<float>(static_cast<double>(radius) + grid.overshoot);
  for (const std::span<const Plane> exclusion : planes.exclusions) {
    const float room = outside_distance(centre, exclusion, clearance);
    if (room == 0.0f) return 0.0f;
    if (radius > room) radius = room;
  }
  return radius;
}

PointJudge sample_judge(const VolumeGrid& grid) {
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  const float clearance = grid.sample_clearance;
  PointJudge judge;
  // A hull plane can only drop a point from above -clearance or from -0.5 on; an excluded
  // hull's plane can only keep one from above both the clearance and 0.
  judge.hull_matters_from = std::min(std::nextafter(-clearance, kInfinity), -0.5f);
  judge.exclusion_matters_from = std::nextafter(std::max(clearance, 0.0f), kInfinity);
  judge.block_value = [clearance](const BlockBounds& bounds) { return sample_block_value(bounds, clearance); };
  judge.value = [clearance](const Vector& point, const JudgingPlanes& planes) {
    return sample_point_kept(point, planes, clearance) ? 1.0f : 0.0f;
  };
  return judge;
}

PointJudge candidate_judge(const VolumeGrid& grid) {
  PointJudge judge;
  judge.block_value = [&grid](const BlockBounds& bounds) { return candidate_block_value(bounds, grid); };
  judge.value = [&grid](const Vector& centre, const JudgingPlanes& planes) {
    return candidate_radius(centre, planes, grid);
  };
  return judge;
}

}  // namespace ombrix
