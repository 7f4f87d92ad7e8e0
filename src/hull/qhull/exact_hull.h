// The exact convex hull of a point set, from Qhull's library, as facet planes in double
// precision, with how deep each point lies inside it.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "geometry/vector.h"

namespace ombrix {

// A facet's plane: unit normal (x, y, z) and offset; the distance of a point is positive
// outside the hull.
struct FacetPlane {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  double offset = 0.0;
};

// ((x*p.x + y*p.y) + z*p.z) + offset in double precision.
double facet_distance(const FacetPlane& facet, const Vector& point);

struct ExactHull {
  std::vector<FacetPlane> facets;
  // Per point, in input order: the smallest of -facet_distance over all facets, that is how
  // far it lies inside the nearest facet plane (0 for a hull vertex, up to rounding).
  std::vector<double> depths;
  // How far these planes may stray from the true hull, as measured on them: the largest
  // distance of a point outside a facet plane, or of a facet's own vertex off its plane.
  double error = 0.0;
};

// Returns nothing when no three-dimensional hull can be made: fewer than four points, all
// points in one plane or too nearly so for Qhull, or any other Qhull failure. Qhull's own
// messages are discarded. Costs about the point count times the facet count.
std::optional<ExactHull> compute_exact_hull(std::span<const Vector> points);

}  // namespace ombrix
