#include "spheres/sample_hull.h"

#include "spheres/grid_point_fit.h"
#include "spheres/grid_point_values.h"

namespace ombrix {

std::vector<SampleSphere> sample_hull(const VolumeGrid& grid, std::span<const Plane> hull,
                                      std::span<const std::span<const Plane>> exclusions) {
  std::vector<SampleSphere> samples;
  for_each_kept_grid_point(
      grid, GridPoints::kSamples, hull, exclusions, sample_judge(grid),
      [&](const Vector& point, float) { samples.push_back({point, sample_weight(point, grid)}); });
  return samples;
}

}  // namespace ombrix
