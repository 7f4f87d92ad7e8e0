#include "spheres/lay_out_candidates.h"

#include <optional>

namespace ombrix {

namespace {

// A centre is dropped where the largest hull plane value is above -clearance, or where an
// excluded hull takes it. Otherwise the radius needs the nearest plane's exact value, so the
// block is not settled and no plane is culled for a threshold.
std::optional<float> settle_candidate_block(const BlockBounds& bounds, float clearance) {
  if (bounds.hull.low > -clearance) return 0.0f;
  for (const LargestValue& exclusion : bounds.exclusions) {
    if (excluded_throughout(exclusion, clearance)) return 0.0f;
  }
  return std::nullopt;
}

// Values a candidate's radius, 0 for a dropped one.
GridPointRule candidate_rule(const VolumeGrid& grid) {
  GridPointRule rule;
  rule.point_value = [&grid](const Vector& centre, const VolumePlanes& planes) {
    return candidate_radius(centre, planes, grid);
  };
  const float clearance = grid.candidate_clearance;
  rule.settle_block = [clearance](const BlockBounds& bounds) { return settle_candidate_block(bounds, clearance); };
  return rule;
}

}  // namespace

std::vector<SpherePosition> lay_out_candidates(const VolumeGrid& grid, std::span<const Plane> hull,
                                               std::span<const std::span<const Plane>> exclusions) {
  std::vector<SpherePosition> positions;
  walk_grid(grid, GridPoints::kCandidates, {hull, exclusions}, candidate_rule(grid),
            [&](const Vector& centre, float radius) {
              positions.push_back({0.0f, centre, radius});
            });
  return positions;
}

float candidate_radius(const Vector& centre, const VolumePlanes& planes, const VolumeGrid& grid) {
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

}  // namespace ombrix
