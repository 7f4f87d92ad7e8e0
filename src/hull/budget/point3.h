// Points and directions in double precision, as the plane budget's polytopes hold them.
#pragma once

#include <cmath>

namespace ombrix {

struct Point3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

inline Point3 minus(const Point3& p, const Point3& q) { return {p.x - q.x, p.y - q.y, p.z - q.z}; }

inline double dot(const Point3& u, const Point3& v) { return (u.x * v.x + u.y * v.y) + u.z * v.z; }

inline Point3 cross(const Point3& u, const Point3& v) {
  return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}

// `u` scaled to unit length; a zero vector gives not-a-number components.
inline Point3 unit(const Point3& u) {
  const double length = std::sqrt(dot(u, u));
  return {u.x / length, u.y / length, u.z / length};
}

// Two unit directions along the plane with unit normal `normal`, such that u, v, normal are
// right-handed: angles measured from u toward v grow counter-clockwise seen from where the
// normal points.
struct PlaneAxes {
  Point3 u;
  Point3 v;
};

inline PlaneAxes plane_axes(const Point3& normal) {
  const Point3 axis = std::fabs(normal.x) < 0.6 ? Point3{1.0, 0.0, 0.0} : Point3{0.0, 1.0, 0.0};
  const Point3 u = unit(cross(axis, normal));
  return {u, cross(normal, u)};
}

}  // namespace ombrix
