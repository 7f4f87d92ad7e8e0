#include "hull/budget/plane_budget.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

#include "hull/budget/add_planes.h"
#include "hull/budget/drop_planes.h"
#include "hull/budget/hull_points.h"
#include "hull/budget/refine_planes.h"
#include "hull/budget/touching_candidates.h"
#include "hull/budget/written_planes.h"
#include "hull/solid/chebyshev_centre.h"
#include "hull/solid/unit_plane.h"

namespace ombrix {

namespace {

// A tolerance is used to a hair less, so that a vertex stays within it however the length of a
// normal rounded to single precision is read.
constexpr double kToleranceHair = 0x1p-16;

// How far the planes may move in: the tolerance, but no more than half the depth of the largest
// ball inside them, so that a thin model keeps a region with a thickness. A negative tolerance
// moves them out.
double inward_shift(const HullPoints& hull, std::span<const FacetPlane> planes, double tolerance) {
  if (!(tolerance > 0.0)) return tolerance < 0.0 ? tolerance : 0.0;
  const double reach =
      std::max({std::fabs(hull.frame_low.x), std::fabs(hull.frame_low.y), std::fabs(hull.frame_low.z),
                std::fabs(hull.frame_high.x), std::fabs(hull.frame_high.y), std::fabs(hull.frame_high.z)});
  const std::optional<DeepestPoint> centre = chebyshev_centre(planes, reach);
  if (!centre || !(centre->depth > 0.0)) return 0.0;
  return std::min(tolerance * (1.0 - kToleranceHair), 0.5 * centre->depth);
}

}  // namespace

std::optional<BudgetedHull> budget_hull(std::span<const Vector> points, size_t most_planes, double tolerance) {
  assert(most_planes >= kFewestBudgetPlanes);
  const std::optional<HullPoints> hull = hull_points(points);
  if (!hull) return std::nullopt;

  const std::vector<FacetPlane> candidates = touching_candidates(*hull);
  const std::span<const FacetPlane> faces = std::span(candidates).first(hull->face_normals.size());
  KeptPlanes kept = drop_planes(*hull, faces, most_planes);
  if (!kept.within_budget) kept.planes = add_planes(*hull, candidates, most_planes);
  refine_planes(*hull, kept.planes, candidates);

  BudgetedHull budgeted;
  budgeted.planes = written_planes(*hull, kept.planes, points, inward_shift(*hull, kept.planes, tolerance));
  std::vector<FacetPlane> written;
  for (const Plane& plane : budgeted.planes) {
    const std::optional<FacetPlane> unit = unit_plane(plane);
    if (!unit) return std::nullopt;
    written.push_back(*unit);
  }
  budgeted.volume = region_volume(*hull, written);
  budgeted.exact_volume = region_volume(*hull, faces);
  if (!std::isfinite(budgeted.volume)) return std::nullopt;
  return budgeted;
}

}  // namespace ombrix
