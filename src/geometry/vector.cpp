#include "geometry/vector.h"

#include <cmath>

namespace ombrix {

void vector_from_to(const Vector& p, const Vector& q, Vector& out) {
  out.x = static_cast<float>(static_cast<double>(q.x) - p.x);
  out.y = static_cast<float>(static_cast<double>(q.y) - p.y);
  out.z = static_cast<float>(static_cast<double>(q.z) - p.z);
}

void cross(const Vector& u, const Vector& v, Vector& out) {
  const double x = static_cast<double>(u.y) * v.z - static_cast<double>(u.z) * v.y;
  const double y = static_cast<double>(u.z) * v.x - static_cast<double>(u.x) * v.z;
  const double z = static_cast<double>(u.x) * v.y - static_cast<double>(u.y) * v.x;
  out = {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
}

double dot(const Vector& u, const Vector& v) {
  return (static_cast<double>(u.x) * v.x + static_cast<double>(u.y) * v.y) + static_cast<double>(u.z) * v.z;
}

double vector_length(const Vector& v) { return std::sqrt(dot(v, v)); }

float normalize(Vector& v) {
  const float length = static_cast<float>(vector_length(v));
  if (length != 0.0f) {
    v.x = static_cast<float>(static_cast<double>(v.x) / length);
    v.y = static_cast<float>(static_cast<double>(v.y) / length);
    v.z = static_cast<float>(static_cast<double>(v.z) / length);
  }
  return length;
}

double point_distance(const Vector& p, const Vector& q) {
  const double dx = static_cast<double>(q.x) - p.x;
  const double dy = static_cast<double>(q.y) - p.y;
  const double dz = static_cast<double>(q.z) - p.z;
  return std::sqrt((dx * dx + dy * dy) + dz * dz);
}

}  // namespace ombrix
