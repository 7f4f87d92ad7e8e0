#include "hull/budget/hull_points.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "hull/qhull/exact_hull.h"

namespace ombrix {

namespace {

// A region reaching this many times the points' size out of their box counts as open: closing
// it would take planes almost parallel, at a cost in volume no budget would choose.
constexpr double kFrameFactor = 1e3;
constexpr double kRelativeTolerance = 1e-10;

}  // namespace

double HullPoints::support(const Point3& normal) const {
  double most = -std::numeric_limits<double>::infinity();
  for (const Point3& p : points) most = std::max(most, dot(normal, p));
  return most;
}

FacetPlane HullPoints::touching_plane(const Point3& normal) const {
  return {normal.x, normal.y, normal.z, -support(normal)};
}

std::optional<HullPoints> hull_points(std::span<const Vector> points) {
  const std::optional<ExactHull> exact = compute_exact_hull(points);
  if (!exact) return std::nullopt;

  HullPoints hull;
  for (size_t i = 0; i < points.size(); ++i) {
    if (exact->depths[i] > exact->error) continue;  // inside every face: never touches a plane
    hull.points.push_back({points[i].x, points[i].y, points[i].z});
  }
  for (const FacetPlane& facet : exact->facets) hull.face_normals.push_back({facet.x, facet.y, facet.z});

  Point3 low = hull.points.front();
  Point3 high = low;
  for (const Point3& p : hull.points) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    hull.largest = std::max({hull.largest, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
  }
  hull.size = std::max({high.x - low.x, high.y - low.y, high.z - low.z});
  const double reach = kFrameFactor * hull.size;
  hull.frame_low = {low.x - reach, low.y - reach, low.z - reach};
  hull.frame_high = {high.x + reach, high.y + reach, high.z + reach};
  hull.tolerance = kRelativeTolerance * std::max(hull.size, hull.largest);
  return hull;
}

ConvexPolytope region_of(const HullPoints& hull, std::span<const FacetPlane> planes) {
  ConvexPolytope region = hull.frame();
  for (size_t i = 0; i < planes.size(); ++i) region.cut(planes[i], static_cast<int>(i));
  return region;
}

double region_volume(const HullPoints& hull, std::span<const FacetPlane> planes) {
  const ConvexPolytope region = region_of(hull, planes);
  if (region.has_label(kBoxLabel)) return std::numeric_limits<double>::infinity();
  return region.volume();
}

}  // namespace ombrix
