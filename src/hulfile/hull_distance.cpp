#include "hulfile/hull_distance.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "hull/solid/unit_plane.h"

namespace ombrix {

std::vector<std::optional<std::vector<FacetPlane>>> unit_hull_planes(const CollisionData& data) {
  std::vector<std::optional<std::vector<FacetPlane>>> hulls;
  hulls.reserve(data.volumes.size());
  for (const Volume& volume : data.volumes) {
    std::vector<FacetPlane> planes;
    bool finite = true;
    for (const Plane& plane : volume.planes) {
      finite = finite && std::isfinite(plane.a) && std::isfinite(plane.b) && std::isfinite(plane.c) &&
               std::isfinite(plane.d);
      if (const std::optional<FacetPlane> unit = unit_plane(plane)) planes.push_back(*unit);
    }
    hulls.push_back(finite ? std::optional(std::move(planes)) : std::nullopt);
  }
  return hulls;
}

double distance_out_of(std::span<const FacetPlane> planes, const Vector& point) {
  double distance = -std::numeric_limits<double>::infinity();
  for (const FacetPlane& plane : planes) distance = std::max(distance, facet_distance(plane, point));
  return distance;
}

std::optional<NearestHull> nearest_hull(std::span<const std::optional<std::vector<FacetPlane>>> hulls,
                                        const Vector& point) {
  std::optional<NearestHull> nearest;
  for (size_t h = 0; h < hulls.size(); ++h) {
    if (!hulls[h] || hulls[h]->empty()) continue;
    const double distance = distance_out_of(*hulls[h], point);
    if (!nearest || distance < nearest->distance_out) nearest = NearestHull{h, distance};
  }
  return nearest;
}

}  // namespace ombrix
