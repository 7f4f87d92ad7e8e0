#include "hulfile/sphere_coverage.h"

#include <algorithm>
#include <cmath>

#include "hulfile/hull_distance.h"

namespace ombrix {

namespace {

constexpr int kCells = 32;
constexpr double kTestLimit = 4e8;

bool inside(const std::vector<FacetPlane>& planes, const Vector& point) {
  for (const FacetPlane& plane : planes) {
    if (facet_distance(plane, point) > 0.0) return false;
  }
  return true;
}

bool in_a_sphere(const std::vector<Sphere>& spheres, const Vector& point) {
  for (const Sphere& sphere : spheres) {
    const double dx = double(point.x) - sphere.x, dy = double(point.y) - sphere.y, dz = double(point.z) - sphere.z;
    if ((dx * dx + dy * dy) + dz * dz <= double(sphere.radius) * sphere.radius && sphere.radius >= 0.0f) return true;
  }
  return false;
}

}  // namespace

std::optional<double> hull_sphere_coverage(const CollisionData& data, const GeometryCheck& check) {
  const std::vector<std::optional<std::vector<FacetPlane>>> planes = unit_hull_planes(data);
  std::vector<const std::vector<FacetPlane>*> closed;
  std::optional<BBox> box;
  for (size_t h = 0; h < check.solid_boxes.size() && h < planes.size(); ++h) {
    if (!check.solid_boxes[h] || !planes[h]) continue;
    closed.push_back(&*planes[h]);
    const BBox& hull = *check.solid_boxes[h];
    if (!box) box = hull;
    extend_box(*box, {hull.min_x, hull.min_y, hull.min_z});
    extend_box(*box, {hull.max_x, hull.max_y, hull.max_z});
  }
  if (!box) return std::nullopt;
  std::vector<Sphere> spheres;
  for (const Sphere& sphere : data.spheres) {
    if (std::isfinite(sphere.x) && std::isfinite(sphere.y) && std::isfinite(sphere.z) && std::isfinite(sphere.radius))
      spheres.push_back(sphere);
  }
  double tests_per_cell = static_cast<double>(spheres.size());
  for (const auto* hull : closed) tests_per_cell += static_cast<double>(hull->size());
  if (tests_per_cell * kCells * kCells * kCells > kTestLimit) return std::nullopt;
  const auto at = [](float low, float high, int cell) {
    return static_cast<float>(low + (cell + 0.5) * (double(high) - low) / kCells);
  };
  size_t in_hulls = 0;
  size_t covered = 0;
  for (int i = 0; i < kCells; ++i) {
    for (int j = 0; j < kCells; ++j) {
      for (int k = 0; k < kCells; ++k) {
        const Vector point{at(box->min_x, box->max_x, i), at(box->min_y, box->max_y, j), at(box->min_z, box->max_z, k)};
        if (std::none_of(closed.begin(), closed.end(), [&](const auto* hull) { return inside(*hull, point); }))
          continue;
        ++in_hulls;
        if (in_a_sphere(spheres, point)) ++covered;
      }
    }
  }
  if (in_hulls == 0) return std::nullopt;
  return 100.0 * static_cast<double>(covered) / static_cast<double>(in_hulls);
}

}  // namespace ombrix
