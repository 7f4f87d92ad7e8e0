#include "geometry/plane.h"

#include <limits>

namespace ombrix {

double plane_value(const Vector& point, const Plane& plane) {
  return ((static_cast<double>(plane.a) * point.x + static_cast<double>(plane.b) * point.y) +
          static_cast<double>(plane.c) * point.z) +
         plane.d;
}

bool plane_from_points(const Vector& p1, const Vector& p2, const Vector& p3, Plane& plane) {
  Vector u, w, normal;
  vector_from_to(p1, p2, u);
  vector_from_to(p1, p3, w);
  cross(u, w, normal);
  // A length below the smallest normal float keeps too few bits to scale the normal to unit
  // length (a length of 2^-149 would give (0, 1, -1) for (0, 2^-149, -2^-149)): such a triple
  // counts as degenerate, like one whose cross product is exactly zero.
  if (!(normalize(normal) >= std::numeric_limits<float>::min())) {
    plane = Plane{};
    return false;
  }
  plane = {normal.x, normal.y, normal.z, static_cast<float>(-dot(normal, p1))};
  return true;
}

float inside_depth(const Vector& point, std::span<const Plane> planes, float limit) {
  float result = std::numeric_limits<float>::infinity();
  for (const Plane& plane : planes) {
    const float depth = static_cast<float>(-plane_value(point, plane));
    if (depth < limit) return 0.0f;
    if (depth < result) result = depth;
  }
  return result;
}

float outside_distance(const Vector& point, std::span<const Plane> planes, float limit) {
  float result = 0.0f;
  for (const Plane& plane : planes) {
    const float value = static_cast<float>(plane_value(point, plane));
    if (value > limit && value > result) result = value;
  }
  return result;
}

}  // namespace ombrix
