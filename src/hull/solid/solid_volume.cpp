#include "hull/solid/solid_volume.h"

#include <vector>

#include "hull/qhull/exact_hull.h"

namespace ombrix {

double solid_volume(const HullSolid& solid) {
  // Each face is a fan of triangles; each triangle with the inside point makes a tetrahedron,
  // positive as the corners run counter-clockwise seen from outside.
  const double ox = solid.inside.x;
  const double oy = solid.inside.y;
  const double oz = solid.inside.z;
  double six_times = 0.0;
  for (const SolidFace& face : solid.faces) {
    const Vector& first = solid.corners[face.corners.front()];
    const double ax = first.x - ox, ay = first.y - oy, az = first.z - oz;
    for (size_t k = 1; k + 1 < face.corners.size(); ++k) {
      const Vector& p = solid.corners[face.corners[k]];
      const Vector& q = solid.corners[face.corners[k + 1]];
      const double bx = p.x - ox, by = p.y - oy, bz = p.z - oz;
      const double cx = q.x - ox, cy = q.y - oy, cz = q.z - oz;
      six_times += ax * (by * cz - bz * cy) + ay * (bz * cx - bx * cz) + az * (bx * cy - by * cx);
    }
  }
  return six_times / 6.0;
}

std::optional<double> convex_hull_volume(std::span<const Vector> points) {
  const std::optional<ExactHull> hull = compute_exact_hull(points);
  if (!hull) return std::nullopt;
  std::vector<Plane> planes;
  for (const FacetPlane& facet : hull->facets) {
    planes.push_back({static_cast<float>(facet.x), static_cast<float>(facet.y), static_cast<float>(facet.z),
                      static_cast<float>(facet.offset)});
  }
  HullSolid solid;
  if (solid_of_planes(planes, solid) != SolidResult::kClosed) return std::nullopt;
  return solid_volume(solid);
}

}  // namespace ombrix
