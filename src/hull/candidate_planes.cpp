#include "hull/candidate_planes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "hull/candidate_pairs.h"
#include "hull/exact_hull.h"
#include "hull/plane_side.h"

namespace ombrix {

namespace {

constexpr double kOnPlaneTolerance = 0.5;
constexpr double kUnitRoundoff = 0x1p-24;  // of single precision

// Within these magnitudes every rounding in plane_from_points is relative: no difference or
// cross product component is subnormal (every nonzero coordinate, hence every nonzero
// difference, is a multiple of 2^-63, so a nonzero cross component is at least 2^-126), and
// none overflows.
constexpr double kLargestRelativeCoordinate = 0x1p40;
constexpr double kSmallestRelativeCoordinate = 0x1p-40;

struct CoordinateRange {
  double largest = 0.0;
  double smallest_nonzero = std::numeric_limits<double>::infinity();
};

CoordinateRange coordinate_range(std::span<const Vector> points) {
  CoordinateRange range;
  for (const Vector& point : points) {
    for (const float coordinate : {point.x, point.y, point.z}) {
      const double magnitude = std::fabs(coordinate);
      range.largest = std::max(range.largest, magnitude);
      if (magnitude > 0.0) range.smallest_nonzero = std::min(range.smallest_nonzero, magnitude);
    }
  }
  return range;
}

class CandidateTrial {
 public:
  CandidateTrial(std::span<const Vector> points, std::span<const Vector> deciders)
      : points_(points), tester_(deciders) {}

  void operator()(size_t i, size_t j, size_t k) {
    Plane candidate;
    if (!plane_from_points(points_[i], points_[j], points_[k], candidate)) return;
    const int side = tester_.side_of(candidate);
    if (side == -1) {
      accepted_.push_back(candidate);
    } else if (side == 1) {
      accepted_.push_back({-candidate.a, -candidate.b, -candidate.c, -candidate.d});
    }
  }

  std::vector<Plane> take_accepted() { return std::move(accepted_); }

 private:
  std::span<const Vector> points_;
  PlaneSideTester tester_;
  std::vector<Plane> accepted_;
};

// Qhull's hull when it can be made and pruned with; see accepted_candidate_planes.
std::optional<ExactHull> pruning_hull(std::span<const Vector> points, const CoordinateRange& range, double rounding) {
  if (points.size() < 4 || range.largest > kLargestRelativeCoordinate) return std::nullopt;
  std::optional<ExactHull> hull = compute_exact_hull(points);
  // Qhull's planes normally stray from the vertices by a few units of double precision; a
  // hull that strays as far as the margin itself is not one to prune with.
  if (hull && hull->error > rounding) return std::nullopt;
  return hull;
}

// A vertex deeper inside the hull than `depth_limit` never decides a candidate: stepping from
// it along the candidate's normal stays inside the hull, so some vertex on the boundary has a
// plane value that is larger still by more than rounding can undo, and likewise along the
// opposite direction. Those boundary vertices are kept, and they settle it.
std::vector<Vector> deciding_vertices(std::span<const Vector> points, const ExactHull& hull, double depth_limit) {
  std::vector<Vector> deciders;
  for (size_t p = 0; p < points.size(); ++p) {
    if (hull.depths[p] <= depth_limit) deciders.push_back(points[p]);
  }
  return deciders;
}

// When every vertex has the same x (or y, or z), every candidate's normal is exactly that axis
// (the other two cross product components are products with exact zeros) and its offset
// exactly cancels the shared coordinate, so every plane value is exactly 0 and no candidate
// has a vertex off it. Only while nothing overflows: an infinite cross product component makes
// the plane not a number, and such a plane is accepted.
bool flat_along_an_axis(std::span<const Vector> points) {
  const auto shared = [&](float Vector::*axis) {
    return std::all_of(points.begin(), points.end(), [&](const Vector& p) { return p.*axis == points[0].*axis; });
  };
  return shared(&Vector::x) || shared(&Vector::y) || shared(&Vector::z);
}

void try_every_triple(size_t n, CandidateTrial& trial) {
  for (size_t i = 0; i + 2 < n; ++i) {
    for (size_t j = i + 1; j + 1 < n; ++j) {
      for (size_t k = j + 1; k < n; ++k) trial(i, j, k);
    }
  }
}

}  // namespace

std::vector<Plane> accepted_candidate_planes(std::span<const Vector> points) {
  if (points.size() < 3) return {};
  const CoordinateRange range = coordinate_range(points);
  if (range.largest <= kLargestRelativeCoordinate && flat_along_an_axis(points)) return {};

  // How far rounding can carry a candidate from the exact geometry, as one margin: the three
  // vertices a candidate is built from lie within 13 * 2^-24 * R of it (R the largest
  // coordinate magnitude: the float differences, cross product and offset each round by at
  // most 2^-24 relative), its normal's length is within 3 * 2^-24 of 1, and plane values and
  // facet distances round by far less. Twice that, plus 2^-24 for what scales with 0.5.
  const double rounding = 32.0 * kUnitRoundoff * (range.largest + 1.0);

  const std::optional<ExactHull> hull = pruning_hull(points, range, rounding);
  if (!hull) {
    CandidateTrial trial(points, points);
    try_every_triple(points.size(), trial);
    return trial.take_accepted();
  }

  CandidateTrial trial(points, deciding_vertices(points, *hull, rounding + 2.0 * hull->error));
  if (range.smallest_nonzero >= kSmallestRelativeCoordinate) {
    // Every vertex has a plane value of at most 0.5 against an accepted candidate turned
    // outwards, and its three vertices a value of about 0, so every point of their triangle,
    // and each pair's midpoint, lies within 0.5 of the hull's boundary, up to rounding.
    const double near_boundary = kOnPlaneTolerance + rounding + 2.0 * hull->error;
    for_each_paired_triple(near_boundary_pairs(points, *hull, near_boundary), trial);
  } else {
    try_every_triple(points.size(), trial);
  }
  return trial.take_accepted();
}

}  // namespace ombrix
