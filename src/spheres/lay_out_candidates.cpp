#include "spheres/lay_out_candidates.h"

namespace ombrix {

std::vector<SpherePosition> lay_out_candidates(const VolumeGrid& grid, std::span<const Plane> hull,
                                               std::span<const std::span<const Plane>> exclusions) {
  const float clearance = grid.candidate_clearance;

  std::vector<SpherePosition> positions;
  for (std::int64_t i = 0; i < grid.axes[0].candidate_count; ++i) {
    for (std::int64_t j = 0; j < grid.axes[1].candidate_count; ++j) {
      for (std::int64_t l = 0; l < grid.axes[2].candidate_count; ++l) {
        const Vector centre{candidate_coordinate(grid, 0, i), candidate_coordinate(grid, 1, j),
                            candidate_coordinate(grid, 2, l)};
        float radius = inside_depth(centre, hull, clearance);
        if (radius == 0.0f) continue;

        // The overshoot goes on before the excluded hulls cut the radius back.
        radius = static_cast<float>(static_cast<double>(radius) + grid.overshoot);
        for (const std::span<const Plane> exclusion : exclusions) {
          const float room = outside_distance(centre, exclusion, clearance);
          if (room == 0.0f) {
            radius = 0.0f;
            break;
          }
          if (radius > room) radius = room;
        }
        if (radius != 0.0f) positions.push_back({0.0f, centre, radius});
      }
    }
  }
  return positions;
}

}  // namespace ombrix
