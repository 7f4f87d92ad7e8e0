#include "hull/budget/add_planes.h"

#include <cmath>

namespace ombrix {

std::vector<FacetPlane> add_planes(const HullPoints& hull, std::span<const FacetPlane> candidates, size_t most_planes) {
  const double third = 1.0 / std::sqrt(3.0);
  std::vector<FacetPlane> planes;
  for (const Point3& corner : {Point3{1, 1, 1}, Point3{1, -1, -1}, Point3{-1, 1, -1}, Point3{-1, -1, 1}}) {
    planes.push_back(hull.touching_plane({corner.x * third, corner.y * third, corner.z * third}));
  }
  ConvexPolytope region = region_of(hull, planes);

  std::vector<bool> used(candidates.size(), false);
  while (planes.size() < most_planes) {
    double best_volume = region.volume();
    size_t best = candidates.size();
    for (size_t i = 0; i < candidates.size(); ++i) {
      if (used[i]) continue;
      ConvexPolytope trial = region;
      if (!trial.cut(candidates[i], static_cast<int>(planes.size()))) continue;
      const double volume = trial.volume();
      if (volume < best_volume) {
        best_volume = volume;
        best = i;
      }
    }
    if (best == candidates.size()) break;  // the hull's faces cut nothing more
    used[best] = true;
    region.cut(candidates[best], static_cast<int>(planes.size()));
    planes.push_back(candidates[best]);
  }
  return planes;
}

}  // namespace ombrix
