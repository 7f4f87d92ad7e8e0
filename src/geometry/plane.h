// Face planes: construction from three points, and where a point lies against a list of them.
#pragma once

#include <cmath>
#include <limits>
#include <span>

#include "geometry/vector.h"

namespace ombrix {

// (a, b, c) is the normal, pointing out of the hull for hull planes; d the offset.
// Four zeros is what a failed construction leaves.
struct Plane {
  float a = 0.0f;
  float b = 0.0f;
  float c = 0.0f;
  float d = 0.0f;
};

inline Vector plane_normal(const Plane& plane) { return {plane.a, plane.b, plane.c}; }

inline bool is_finite(const Plane& plane) {
  return std::isfinite(plane.a) && std::isfinite(plane.b) && std::isfinite(plane.c) && std::isfinite(plane.d);
}

// ((a*x + b*y) + c*z) + d in double precision: the signed distance when the normal is a unit
// vector, positive on the side the normal points to.
double plane_value(const Vector& point, const Plane& plane);

// The plane through p1, p2, p3 with a unit normal by the right-hand rule (p1, p2, p3 run
// counter-clockwise seen from where the normal points). Returns false and four zeros when the
// points are collinear or two coincide, and when the cross product is too short to be scaled to
// a unit normal: its length, rounded to single precision, is below 2^-126.
bool plane_from_points(const Vector& p1, const Vector& p2, const Vector& p3, Plane& plane);

// The point's clearance below the nearest plane: the smallest of -plane_value (each rounded to
// single precision), or 0 as soon as one of them is below `limit`. +infinity for no planes.
float inside_depth(const Vector& point, std::span<const Plane> planes, float limit);

// The largest plane value (rounded to single precision) that exceeds both `limit` and 0, or 0.
float outside_distance(const Vector& point, std::span<const Plane> planes, float limit);

}  // namespace ombrix
