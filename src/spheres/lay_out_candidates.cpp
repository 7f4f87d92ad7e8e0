#include "spheres/lay_out_candidates.h"

namespace ombrix {

std::vector<SpherePosition> lay_out_candidates(const VolumeGrid& grid, std::span<const Plane> hull,
                                               std::span<const std::span<const Plane>> exclusions) {
  const float clearance = grid.candidate_clearance;

  std::vector<SpherePosition> positions;
  for_each_grid_point(grid, GridPoints::kCandidates, [&](const Vector& centre) {
    float radius = inside_depth(centre, hull, clearance);
    if (radius == 0.0f) return;

    // The overshoot goes on before the excluded hulls cut the radius back.
    radius = static_cast<float>(static_cast<double>(radius) + grid.overshoot);
    for (const std::span<const Plane> exclusion : exclusions) {
      const float room = outside_distance(centre, exclusion, clearance);
      if (room == 0.0f) return;
      if (radius > room) radius = room;
    }
    if (radius != 0.0f) positions.push_back({0.0f, centre, radius});
  });
  return positions;
}

}  // namespace ombrix
