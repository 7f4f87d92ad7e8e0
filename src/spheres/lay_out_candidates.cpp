#include "spheres/lay_out_candidates.h"

#include "spheres/grid_point_fit.h"
#include "spheres/grid_point_values.h"

namespace ombrix {

std::vector<SpherePosition> lay_out_candidates(const VolumeGrid& grid, std::span<const Plane> hull,
                                               std::span<const std::span<const Plane>> exclusions) {
  std::vector<SpherePosition> positions;
  for_each_kept_grid_point(
      grid, GridPoints::kCandidates, hull, exclusions, candidate_judge(grid),
      [&](const Vector& centre, float radius) { positions.push_back({0.0f, centre, radius}); });
  return positions;
}

}  // namespace ombrix
