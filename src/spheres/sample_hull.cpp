#include "spheres/sample_hull.h"

#include "spheres/whole_rounding.h"

namespace ombrix {

std::vector<SampleSphere> sample_hull(const VolumeGrid& grid, std::span<const Plane> hull,
                                      std::span<const std::span<const Plane>> exclusions) {
  const Vector centre{grid.axes[0].centre, grid.axes[1].centre, grid.axes[2].centre};
  const float clearance = grid.sample_clearance;

  std::vector<SampleSphere> samples;
  for_each_grid_point(grid, GridPoints::kSamples, [&](const Vector& point) {
    if (round_half_even(inside_depth(point, hull, clearance)) == 0.0) return;
    for (const std::span<const Plane> exclusion : exclusions) {
      if (outside_distance(point, exclusion, clearance) == 0.0f) return;
    }
    samples.push_back({point, static_cast<float>(point_distance(point, centre) / grid.half_diagonal)});
  });
  return samples;
}

}  // namespace ombrix
