#include "spheres/sphere_share.h"

#include "spheres/volume_grid.h"
#include "spheres/whole_rounding.h"

namespace ombrix {

namespace {

double box_volume(const BBox& box) {
  const Vector extents = box_extents(box);
  return (static_cast<double>(extents.x) * extents.y) * extents.z;
}

}  // namespace

float box_volume_sum(std::span<const Volume> volumes) {
  float sum = 0.0f;
  for (const Volume& volume : volumes) sum = static_cast<float>(sum + box_volume(volume.box));
  return sum;
}

std::size_t sphere_share(const BBox& box, float volume_sum, std::int32_t target) {
  constexpr double kMostSpheres = 2147483647.0;
  const double share = round_half_even((box_volume(box) / volume_sum) * target);
  if (!(share >= 1.0)) return 1;  // also not-a-number, from an empty or non-finite sum
  return static_cast<std::size_t>(share < kMostSpheres ? share : kMostSpheres);
}

}  // namespace ombrix
