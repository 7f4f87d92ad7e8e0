#include "hull/budget/tilt_direction.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace ombrix {

namespace {

// However small the angle, points this far (in parts of the points' size) below a plane still
// count as touching it: the faces of the exact hull are flat to about this much.
constexpr double kFlatness = 1e-9;

struct Point2 {
  double u = 0.0;
  double v = 0.0;
};

double turn(const Point2& o, const Point2& a, const Point2& b) {
  return (a.u - o.u) * (b.v - o.v) - (a.v - o.v) * (b.u - o.u);
}

// The convex hull of `points`, counter-clockwise, by Andrew's monotone chain.
std::vector<Point2> convex_polygon(std::vector<Point2> points) {
  std::sort(points.begin(), points.end(),
            [](const Point2& a, const Point2& b) { return a.u != b.u ? a.u < b.u : a.v < b.v; });
  if (points.size() < 3) return points;
  std::vector<Point2> hull(2 * points.size());
  size_t k = 0;
  for (size_t i = 0; i < points.size(); ++i) {
    while (k >= 2 && turn(hull[k - 2], hull[k - 1], points[i]) <= 0.0) --k;
    hull[k++] = points[i];
  }
  for (size_t i = points.size() - 1, lower = k + 1; i > 0; --i) {
    while (k >= lower && turn(hull[k - 2], hull[k - 1], points[i - 1]) <= 0.0) --k;
    hull[k++] = points[i - 1];
  }
  hull.resize(k - 1);
  return hull;
}

// The point of the convex polygon nearest to `c`: c itself when inside.
Point2 nearest_on_polygon(const std::vector<Point2>& polygon, const Point2& c) {
  bool inside = polygon.size() >= 3;
  double best = std::numeric_limits<double>::infinity();
  Point2 nearest = polygon.front();
  for (size_t i = 0; i < polygon.size(); ++i) {
    const Point2& a = polygon[i];
    const Point2& b = polygon[(i + 1) % polygon.size()];
    if (turn(a, b, c) < 0.0) inside = false;
    const double du = b.u - a.u;
    const double dv = b.v - a.v;
    const double length = du * du + dv * dv;
    const double t = length > 0.0 ? std::clamp(((c.u - a.u) * du + (c.v - a.v) * dv) / length, 0.0, 1.0) : 0.0;
    const Point2 p{a.u + t * du, a.v + t * dv};
    const double distance = (c.u - p.u) * (c.u - p.u) + (c.v - p.v) * (c.v - p.v);
    if (distance < best) {
      best = distance;
      nearest = p;
    }
  }
  return inside ? c : nearest;
}

}  // namespace

std::optional<Point3> tilt_direction(const HullPoints& hull, const FacetPlane& plane, const Point3& centroid,
                                     double angle) {
  const Point3 n{plane.x, plane.y, plane.z};
  const auto [u, v] = plane_axes(n);

  const double lowest = -plane.offset - std::max(kFlatness, angle) * hull.size;
  std::vector<Point2> touching;
  for (const Point3& p : hull.points) {
    if (dot(n, p) >= lowest) touching.push_back({dot(p, u), dot(p, v)});
  }
  if (touching.empty()) return std::nullopt;
  const Point2 c{dot(centroid, u), dot(centroid, v)};
  const Point2 pivot = nearest_on_polygon(convex_polygon(std::move(touching)), c);
  const Point3 way{u.x * (c.u - pivot.u) + v.x * (c.v - pivot.v), u.y * (c.u - pivot.u) + v.y * (c.v - pivot.v),
                   u.z * (c.u - pivot.u) + v.z * (c.v - pivot.v)};
  if (!(dot(way, way) > 0.0)) return std::nullopt;
  return unit(way);
}

}  // namespace ombrix
