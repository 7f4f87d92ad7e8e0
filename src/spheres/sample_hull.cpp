#include "spheres/sample_hull.h"

#include "spheres/grid_point_fit.h"
#include "spheres/grid_point_values.h"

namespace ombrix {

std::vector<SampleSphere> sample_hull(const VolumeGrid& grid, std::span<const Plane> hull,
                                      std::span<const std::span<const Plane>> exclusions) {
  std::vector<SampleSphere> samples;
  for_each_kept_grid_point(
      grid, GridPoints::kSamples, hull, exclusions,
      [&](const BlockBounds& bounds) { return sample_block_value(bounds, grid.sample_clearance); },
      [&](const Vector& point, const JudgingPlanes& planes) {
        return sample_point_kept(point, planes, grid.sample_clearance) ? 1.0f : 0.0f;
      },
      [&](const Vector& point, float) { samples.push_back({point, sample_weight(point, grid)}); });
  return samples;
}

}  // namespace ombrix
