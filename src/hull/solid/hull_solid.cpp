#include "hull/solid/hull_solid.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>

#include "hull/qhull/qhull_run.h"
#include "hull/solid/chebyshev_centre.h"
#include "hull/solid/unit_plane.h"

namespace ombrix {

namespace {

// Beyond this many times the largest offset, a region counts as open: its planes would have to
// be almost parallel to close it, and no hull file holds such a shape on purpose.
constexpr double kReachFactor = 1e4;
constexpr double kFlatFraction = 1e-6;

struct UnitPlanes {
  std::vector<FacetPlane> planes;
  std::vector<size_t> sources;  // index of each in the planes given
  bool empty = false;           // a plane with a zero normal and d > 0 was met
  double largest_offset = 0.0;
};

std::optional<UnitPlanes> unit_planes(std::span<const Plane> planes) {
  UnitPlanes unit;
  for (size_t i = 0; i < planes.size(); ++i) {
    const Plane& plane = planes[i];
    if (!std::isfinite(plane.a) || !std::isfinite(plane.b) || !std::isfinite(plane.c) || !std::isfinite(plane.d)) {
      return std::nullopt;
    }
    const std::optional<FacetPlane> unit_form = unit_plane(plane);
    if (!unit_form) {  // a zero normal
      unit.empty = unit.empty || plane.d > 0.0f;
      continue;
    }
    unit.planes.push_back(*unit_form);
    unit.sources.push_back(i);
    unit.largest_offset = std::max(unit.largest_offset, std::fabs(unit_form->offset));
  }
  return unit;
}

// The six faces of the cube |x|, |y|, |z| <= reach.
void append_cube(std::vector<coordT>& halfspaces, double reach) {
  for (int axis = 0; axis < 3; ++axis) {
    for (const double sign : {1.0, -1.0}) {
      double normal[3] = {0.0, 0.0, 0.0};
      normal[axis] = sign;
      halfspaces.insert(halfspaces.end(), {normal[0], normal[1], normal[2], -reach});
    }
  }
}

// Orders a convex face's corners by angle about its centre, counter-clockwise about `normal`.
void order_counter_clockwise(std::vector<size_t>& corners, const std::vector<std::array<double, 3>>& points,
                             const FacetPlane& normal) {
  std::array<double, 3> centre{0.0, 0.0, 0.0};
  for (const size_t corner : corners) {
    for (size_t k = 0; k < 3; ++k) centre[k] += points[corner][k] / static_cast<double>(corners.size());
  }
  // u is perpendicular to the normal, v = normal x u, so angles grow counter-clockwise about it.
  const std::array<double, 3> n{normal.x, normal.y, normal.z};
  const std::array<double, 3> axis =
      std::fabs(n[0]) < 0.9 ? std::array<double, 3>{1.0, 0.0, 0.0} : std::array<double, 3>{0.0, 1.0, 0.0};
  std::array<double, 3> u{axis[1] * n[2] - axis[2] * n[1], axis[2] * n[0] - axis[0] * n[2],
                          axis[0] * n[1] - axis[1] * n[0]};
  const double length = std::sqrt(u[0] * u[0] + u[1] * u[1] + u[2] * u[2]);
  for (double& value : u) value /= length;
  const std::array<double, 3> v{n[1] * u[2] - n[2] * u[1], n[2] * u[0] - n[0] * u[2], n[0] * u[1] - n[1] * u[0]};
  const auto angle = [&](size_t corner) {
    const std::array<double, 3>& p = points[corner];
    const double dx = p[0] - centre[0];
    const double dy = p[1] - centre[1];
    const double dz = p[2] - centre[2];
    return std::atan2(dx * v[0] + dy * v[1] + dz * v[2], dx * u[0] + dy * u[1] + dz * u[2]);
  };
  std::vector<std::pair<double, size_t>> keyed;
  keyed.reserve(corners.size());
  for (const size_t corner : corners) keyed.emplace_back(angle(corner), corner);
  std::sort(keyed.begin(), keyed.end());
  for (size_t i = 0; i < keyed.size(); ++i) corners[i] = keyed[i].second;
}

// Qhull's halfspace intersection around `centre`, all in units of `scale`.
SolidResult intersect(const UnitPlanes& unit, const DeepestPoint& centre, double scale, double reach,
                      HullSolid& solid) {
  std::vector<coordT> halfspaces;
  halfspaces.reserve((unit.planes.size() + 6) * 4);
  for (const FacetPlane& plane : unit.planes) {
    halfspaces.insert(halfspaces.end(), {plane.x, plane.y, plane.z, plane.offset / scale});
  }
  append_cube(halfspaces, reach / scale);
  char command[160];
  std::snprintf(command, sizeof command, "qhull H%.17g,%.17g,%.17g", centre.x / scale, centre.y / scale,
                centre.z / scale);
  QhullRun run(std::move(halfspaces), command, 4);
  if (!run.succeeded()) return SolidResult::kFlat;
  qhT* qh = run.qh();

  // Each facet of Qhull's dual hull is a corner; each of its vertices a plane through it.
  std::vector<std::array<double, 3>> points;
  std::vector<std::vector<size_t>> corners_of(unit.planes.size());
  facetT* facet;
  vertexT* vertex;
  vertexT** vertexp;
  FORALLfacets {
    if (facet->offset >= -qh->MINdenom) return SolidResult::kUnbounded;  // a corner at infinity
    std::array<double, 3> point{};
    for (size_t k = 0; k < 3; ++k) point[k] = (facet->normal[k] / -facet->offset + qh->feasible_point[k]) * scale;
    FOREACHvertex_(facet->vertices) {
      const int id = qh_pointid(qh, vertex->point);
      if (id < 0) return SolidResult::kFlat;
      const auto plane = static_cast<size_t>(id);
      if (plane >= unit.planes.size()) return SolidResult::kUnbounded;  // the cube bounds it
      corners_of[plane].push_back(points.size());
    }
    points.push_back(point);
  }

  for (size_t plane = 0; plane < corners_of.size(); ++plane) {
    if (corners_of[plane].size() < 3) continue;
    order_counter_clockwise(corners_of[plane], points, unit.planes[plane]);
    solid.faces.push_back({unit.sources[plane], std::move(corners_of[plane])});
  }
  if (solid.faces.size() < 4) {
    solid.faces.clear();
    return SolidResult::kFlat;
  }
  solid.corners.reserve(points.size());
  for (const auto& point : points) {
    solid.corners.push_back({static_cast<float>(point[0]), static_cast<float>(point[1]), static_cast<float>(point[2])});
  }
  return SolidResult::kClosed;
}

}  // namespace

SolidResult solid_of_planes(std::span<const Plane> planes, HullSolid& solid) {
  solid = HullSolid{};
  const std::optional<UnitPlanes> unit = unit_planes(planes);
  if (!unit) return SolidResult::kNotFinite;
  if (unit->empty) return SolidResult::kEmpty;

  const double scale = unit->largest_offset > 0.0 ? unit->largest_offset : 1.0;
  const double reach = kReachFactor * scale;
  const std::optional<DeepestPoint> centre = chebyshev_centre(unit->planes, reach);
  if (!centre) return SolidResult::kFlat;
  if (centre->depth < -kFlatFraction * scale) return SolidResult::kEmpty;
  if (centre->depth <= kFlatFraction * scale) return SolidResult::kFlat;
  if (unit->planes.size() < 4) return SolidResult::kUnbounded;

  const SolidResult result = intersect(*unit, *centre, scale, reach, solid);
  if (result != SolidResult::kClosed) {
    solid = HullSolid{};
    return result;
  }
  solid.inside = {static_cast<float>(centre->x), static_cast<float>(centre->y), static_cast<float>(centre->z)};
  solid.inside_depth = centre->depth;
  return SolidResult::kClosed;
}

}  // namespace ombrix
