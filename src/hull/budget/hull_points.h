// The points a budgeted hull must hold, as the budget's stages use them: the corners of their
// exact convex hull, its face directions, and a frame far around them to cut polytopes from.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "geometry/vector.h"
#include "hull/budget/convex_polytope.h"

namespace ombrix {

struct HullPoints {
  std::vector<Point3> points;        // the points on the hull's surface: no other can touch a plane
  std::vector<Point3> face_normals;  // unit outward normals of the exact hull's faces, Qhull's order
  Point3 frame_low;                  // the frame: the points' box widened a thousandfold
  Point3 frame_high;
  double tolerance = 0.0;  // corners this close to a plane lie on it
  double size = 0.0;       // the longest side of the points' box
  double largest = 0.0;    // the largest coordinate size among the points

  // max of normal·p over the points: where a plane with this normal touches them.
  double support(const Point3& normal) const;
  // The plane with `normal` (unit) that touches the points from outside.
  FacetPlane touching_plane(const Point3& normal) const;
  // The frame as a polytope, ready to be cut.
  ConvexPolytope frame() const { return ConvexPolytope(frame_low, frame_high, tolerance); }
};

// Nothing when the points have no three-dimensional hull: fewer than four, all in one plane or
// on one line (or too nearly so for Qhull).
std::optional<HullPoints> hull_points(std::span<const Vector> points);

// The region inside `planes`, cut from the frame; it still has a kBoxLabel face when the planes
// leave it open.
ConvexPolytope region_of(const HullPoints& hull, std::span<const FacetPlane> planes);

// The volume inside `planes`, or +infinity when they leave the region open.
double region_volume(const HullPoints& hull, std::span<const FacetPlane> planes);

}  // namespace ombrix
