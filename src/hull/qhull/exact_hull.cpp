#include "hull/qhull/exact_hull.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "hull/qhull/qhull_run.h"

namespace ombrix {

namespace {

std::vector<coordT> coordinates_of(std::span<const Vector> points) {
  std::vector<coordT> coordinates;
  coordinates.reserve(points.size() * 3);
  for (const Vector& point : points) coordinates.insert(coordinates.end(), {point.x, point.y, point.z});
  return coordinates;
}

}  // namespace

double facet_distance(const FacetPlane& facet, const Vector& point) {
  return ((facet.x * point.x + facet.y * point.y) + facet.z * point.z) + facet.offset;
}

std::optional<ExactHull> compute_exact_hull(std::span<const Vector> points) {
  if (points.size() < 4 || points.size() > static_cast<size_t>(std::numeric_limits<int>::max() / 3)) {
    return std::nullopt;
  }
  // Plain "qhull": merges coplanar facets, so a flat face of the model is one facet.
  QhullRun run(coordinates_of(points), "qhull");
  if (!run.succeeded()) return std::nullopt;
  qhT* qh = run.qh();

  ExactHull hull;
  facetT* facet;
  vertexT* vertex;
  vertexT** vertexp;
  FORALLfacets {
    const FacetPlane plane{facet->normal[0], facet->normal[1], facet->normal[2], facet->offset};
    FOREACHvertex_(facet->vertices) {
      const int id = qh_pointid(qh, vertex->point);
      if (id < 0 || static_cast<size_t>(id) >= points.size()) return std::nullopt;
      hull.error = std::max(hull.error, std::fabs(facet_distance(plane, points[static_cast<size_t>(id)])));
    }
    hull.facets.push_back(plane);
  }
  if (hull.facets.size() < 4) return std::nullopt;

  hull.depths.reserve(points.size());
  for (const Vector& point : points) {
    double depth = std::numeric_limits<double>::infinity();
    for (const FacetPlane& plane : hull.facets) depth = std::min(depth, -facet_distance(plane, point));
    hull.depths.push_back(depth);
    hull.error = std::max(hull.error, -depth);
  }
  if (!std::isfinite(hull.error)) return std::nullopt;
  return hull;
}

}  // namespace ombrix
