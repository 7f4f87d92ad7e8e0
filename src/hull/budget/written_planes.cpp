#include "hull/budget/written_planes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ombrix {

namespace {

// A point stays inside by this much of its coordinates' size beyond what plane_value gives, so
// that the plane's terms summed in another order cannot put it out.
constexpr double kOrderMargin = 0x1p-40;

// The largest offset that keeps every point at most `allowed` out of the plane with this normal.
float keeping_offset(const Plane& normal, std::span<const Vector> points, double allowed) {
  Plane plane = normal;
  plane.d = 0.0f;
  double farthest = -std::numeric_limits<double>::infinity();
  size_t at = 0;
  double size = 0.0;
  for (size_t i = 0; i < points.size(); ++i) {
    const double value = plane_value(points[i], plane);
    if (value > farthest) {
      farthest = value;
      at = i;
    }
    size = std::max(size,
                    (std::fabs(double(points[i].x)) + std::fabs(double(points[i].y))) + std::fabs(double(points[i].z)));
  }
  const double target = allowed - farthest - kOrderMargin * size;
  plane.d = static_cast<float>(target);
  if (plane.d > target) plane.d = std::nextafter(plane.d, -HUGE_VALF);
  // For a fixed offset plane_value grows with the dot product: the farthest point is the test.
  while (plane_value(points[at], plane) > allowed) plane.d = std::nextafter(plane.d, -HUGE_VALF);
  return plane.d;
}

float step(float value, int direction) {
  if (direction == 0) return value;
  return std::nextafter(value, direction > 0 ? HUGE_VALF : -HUGE_VALF);
}

}  // namespace

std::vector<Plane> written_planes(const HullPoints& hull, std::span<const FacetPlane> planes,
                                  std::span<const Vector> points, double allowed) {
  const ConvexPolytope region = region_of(hull, planes);
  std::vector<Plane> written;
  for (size_t i = 0; i < planes.size(); ++i) {
    const FacetPlane& plane = planes[i];
    const PolytopeFace* face = region.face_with_label(static_cast<int>(i));
    const Point3 centroid = face != nullptr
                                ? region.face_shape(*face).centroid
                                : Point3{-plane.x * plane.offset, -plane.y * plane.offset, -plane.z * plane.offset};
    const Plane rounded{static_cast<float>(plane.x), static_cast<float>(plane.y), static_cast<float>(plane.z), 0.0f};
    Plane best;
    double best_height = -std::numeric_limits<double>::infinity();
    for (int a = -1; a <= 1; ++a) {
      for (int b = -1; b <= 1; ++b) {
        for (int c = -1; c <= 1; ++c) {
          Plane trial{step(rounded.a, a), step(rounded.b, b), step(rounded.c, c), 0.0f};
          trial.d = keeping_offset(trial, points, allowed);
          // How far the centroid lies out of the trial plane: the more, the less the region grows.
          const double height = ((trial.a * centroid.x + trial.b * centroid.y) + trial.c * centroid.z) + trial.d;
          if (height > best_height) {
            best_height = height;
            best = trial;
          }
        }
      }
    }
    written.push_back(best);
  }
  return written;
}

}  // namespace ombrix
