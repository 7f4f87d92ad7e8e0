// The plane budget: a hull of at most a given number of planes that still holds every point of a
// model, enclosing as little more than the points' convex hull as it can.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "geometry/plane.h"
#include "geometry/vector.h"

namespace ombrix {

// The fewest planes a budget can ask for: four make the smallest closed region.
inline constexpr size_t kFewestBudgetPlanes = 4;

struct BudgetedHull {
  std::vector<Plane> planes;  // at most the budget, unit normals (to single precision), pointing out
  double volume = 0.0;        // what `planes` enclose
  double exact_volume = 0.0;  // what the points' convex hull encloses
};

// Planes, at most `most_planes` of them (kFewestBudgetPlanes or more), closing around
// `points` so that none lies more than `tolerance` out of any (plane_value <= tolerance as
// computed from the written single-precision fields), with as small a volume as the search finds.
//
// The planes start as the faces of the points' convex hull, which are dropped one at a time,
// each time the one whose loss adds the least volume; then each plane is tilted about where it
// touches the points while the volume shrinks. The result encloses no more than the dropping
// alone would. With a tolerance, the planes then move in by it, but never by more than half the
// depth of the largest ball inside, so the region keeps a thickness. When the dropping cannot go
// on without opening the region (a box asked for fewer than six), a tetrahedron around the points
// is cut down by the hull's faces instead.
//
// Nothing when the points have no three-dimensional hull: fewer than four, all in one plane or on
// one line. The same points give the same planes, bit for bit. Cost: milliseconds for a car body.
std::optional<BudgetedHull> budget_hull(std::span<const Vector> points, size_t most_planes, double tolerance);

}  // namespace ombrix
