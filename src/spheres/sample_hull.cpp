#include "spheres/sample_hull.h"

#include "spheres/whole_rounding.h"

namespace ombrix {

std::vector<SampleSphere> sample_hull(const VolumeGrid& grid, std::span<const Plane> hull,
                                      std::span<const std::span<const Plane>> exclusions) {
  const Vector centre{grid.axes[0].centre, grid.axes[1].centre, grid.axes[2].centre};
  const float clearance = grid.sample_clearance;

  std::vector<SampleSphere> samples;
  for (std::int64_t i = 0; i < grid.axes[0].sample_count; ++i) {
    for (std::int64_t j = 0; j < grid.axes[1].sample_count; ++j) {
      for (std::int64_t l = 0; l < grid.axes[2].sample_count; ++l) {
        const Vector point{sample_coordinate(grid, 0, i), sample_coordinate(grid, 1, j),
                           sample_coordinate(grid, 2, l)};
        if (round_half_even(inside_depth(point, hull, clearance)) == 0.0) continue;

        bool excluded = false;
        for (const std::span<const Plane> exclusion : exclusions) {
          if (outside_distance(point, exclusion, clearance) == 0.0f) {
            excluded = true;
            break;
          }
        }
        if (excluded) continue;

        samples.push_back({point, static_cast<float>(point_distance(point, centre) / grid.half_diagonal)});
      }
    }
  }
  return samples;
}

}  // namespace ombrix
