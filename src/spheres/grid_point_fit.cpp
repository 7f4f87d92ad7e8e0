#include "spheres/grid_point_fit.h"

#include "spheres/whole_rounding.h"

namespace ombrix {

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

}  // namespace ombrix
