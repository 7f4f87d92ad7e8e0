// The own hull's candidates are the planes through all vertex triples; this file tries only
// the triples that can be accepted, and tests each against only the vertices that can decide it.
// - No triple is tried where none can be accepted: fewer than three distinct positions (every
//   triple is degenerate), every vertex sharing one coordinate (every plane value is exactly 0),
//   or every vertex within 0.5 of every plane through three of them (a model smaller than the
//   tolerance).
// - Vertices at one position are taken once: a triple with two of them is degenerate, and the
//   vertex triples of three positions share one candidate per order of the positions.
// - A model that hugs a line or a plane tries only nearly collinear triples (see
//   thin_model_triples.h).
// - Otherwise a triple is tried only when each of its pairs may lie together near the boundary
//   of the exact hull: an accepted candidate passes within rounding of its three vertices and
//   has no vertex more than 0.5 beyond it, so the midpoint of any two of them lies within 0.5
//   plus rounding of the boundary. A vertex far larger than the rest of the model brings so much
//   rounding to the triples it starts that they are all tried.
// - A vertex deep inside the hull never decides a side: the hull's extreme vertex along the
//   candidate's normal lies farther on that side by more than rounding can undo. The triples of
//   a pair with many partners are mostly decided from the deciders' outline seen along the
//   pair's line (see pair_sweep.h).
// Every bound carries a margin for each rounding of plane_from_points and plane_value (see
// rounding_margins.h), so the accepted candidates, their planes and their order are those of
// trying every triple against every vertex.
#include "hull/own/candidate_planes.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "hull/own/candidate_pairs.h"
#include "hull/own/pair_sweep.h"
#include "hull/own/plane_side.h"
#include "hull/own/rounding_margins.h"
#include "hull/own/thin_model_triples.h"
#include "hull/own/triple_judges.h"
#include "hull/qhull/exact_hull.h"
#include "model/model_mesh.h"

namespace ombrix {

namespace {

// A position triple's vertex triples are recorded with two 16-bit vertex indices.
constexpr size_t kMostPositionJudgedVertices = 0xffff;

double scale_of(const Vector& point) {
  return std::max({std::fabs(static_cast<double>(point.x)), std::fabs(static_cast<double>(point.y)),
                   std::fabs(static_cast<double>(point.z))});
}

double largest_scale(std::span<const Vector> points) {
  double largest = 0.0;
  for (const Vector& point : points) largest = std::max(largest, scale_of(point));
  return largest;
}

void try_every_triple(std::span<const Vector> points, TripleJudge& judge) {
  judge.set_deciders(points);
  const size_t n = points.size();
  for (size_t i = 0; i + 2 < n; ++i) {
    for (size_t j = i + 1; j + 1 < n; ++j) {
      for (size_t k = j + 1; k < n; ++k) judge(i, j, k);
    }
  }
}

// When every vertex has the same x (or y, or z), every candidate's normal is exactly that axis
// (the other two cross product components are products with exact zeros) and its offset exactly
// cancels the shared coordinate, so every plane value is exactly 0 and no candidate has a vertex
// off it.
bool flat_along_an_axis(std::span<const Vector> points) {
  const auto shared = [&](float Vector::*axis) {
    return std::all_of(points.begin(), points.end(), [&](const Vector& p) { return p.*axis == points[0].*axis; });
  };
  return shared(&Vector::x) || shared(&Vector::y) || shared(&Vector::z);
}

// Every candidate passes within rounding of its first vertex and its normal is a unit vector up
// to rounding, so no plane value exceeds the model's diameter plus rounding.
bool within_the_tolerance_of_one_another(std::span<const Vector> points, double largest) {
  double squared = 0.0;
  for (float Vector::*axis : {&Vector::x, &Vector::y, &Vector::z}) {
    const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                 [&](const Vector& p, const Vector& q) { return p.*axis < q.*axis; });
    const double extent = static_cast<double>((*high).*axis) - (*low).*axis;
    squared += extent * extent;
  }
  const double diameter = std::sqrt(squared) * (1.0 + 0x1p-40);
  return diameter * (1.0 + kNormalLengthError) + defining_vertex_error(largest) + plane_value_error(largest) <=
         kOnPlaneTolerance;
}

// Fewer than three distinct positions make every triple hold two equal ones, whose difference
// is exactly zero.
bool accepts_nothing(std::span<const Vector> points, const DistinctPositions& distinct, double largest) {
  return distinct.positions.size() < 3 || flat_along_an_axis(points) ||
         within_the_tolerance_of_one_another(points, largest);
}

// Vertices whose coordinates are so much larger than most of the model's that the rounding they
// bring to a candidate would spread the near-boundary band over the whole model: triples with
// them are all tried, so that the band of the others stays narrow. None when they are many.
std::vector<char> far_larger_vertices(std::span<const Vector> points) {
  std::vector<double> scales;
  scales.reserve(points.size());
  for (const Vector& point : points) scales.push_back(scale_of(point));
  std::vector<double> sorted = scales;
  std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2), sorted.end());
  // Up to 2^18 the rounding a vertex brings stays below the tolerance (24 * 2^-24 * 2^18 =
  // 0.375); above, a vertex counts as far larger when that rounding exceeds about a tenth of the
  // median vertex's size.
  const double threshold = std::max(0x1p18, 0x1p16 * sorted[sorted.size() / 2]);
  std::vector<char> larger(points.size(), 0);
  size_t count = 0;
  for (size_t p = 0; p < points.size(); ++p) {
    if (scales[p] > threshold) {
      larger[p] = 1;
      ++count;
    }
  }
  if (8 * count > points.size()) larger.assign(points.size(), 0);
  return larger;
}

// Qhull's hull when it can be made and pruned with: it strays from the vertices by a few units
// of double precision, and one that strays as far as the band it prunes with is no use.
std::optional<ExactHull> pruning_hull(std::span<const Vector> points, double band) {
  std::optional<ExactHull> hull = compute_exact_hull(points);
  if (hull && hull->error > 0.25 * band) return std::nullopt;
  return hull;
}

std::vector<Vector> vertices_within(std::span<const Vector> points, const ExactHull& hull, double depth_limit) {
  std::vector<Vector> near;
  for (size_t p = 0; p < points.size(); ++p) {
    if (hull.depths[p] <= depth_limit) near.push_back(points[p]);
  }
  return near;
}

// Passes triples on to a judge, with their side when the sweep about their first two vertices
// settles it. A pair is swept only once it has shown many partners, as a sweep costs a pass over
// the deciders.
class SweptTriples {
 public:
  SweptTriples(std::span<const Vector> points, std::span<const Vector> deciders, double largest, TripleJudge& judge)
      : points_(points), sweep_(deciders, largest), judge_(judge) {}

  void operator()(size_t i, size_t j, size_t k) {
    if (i != first_ || j != second_) {
      first_ = i;
      second_ = j;
      partners_ = 0;
      unsettled_ = 0;
    }
    ++partners_;
    // A sweep that settles nothing among its first partners (rounding too large for the pair)
    // is given up.
    const bool sweeping = partners_ > kPartnersBeforeSweep && unsettled_ < kUnsettledBeforeGivingUp;
    if (sweeping && partners_ == kPartnersBeforeSweep + 1) sweep_.start(points_[i], points_[j]);
    if (sweeping) {
      if (const std::optional<OffPlaneSide> side = sweep_.side_of(points_[k])) {
        unsettled_ = 0;
        judge_.judged(i, j, k, *side);
        return;
      }
      ++unsettled_;
    }
    judge_(i, j, k);
  }

 private:
  static constexpr size_t kPartnersBeforeSweep = 24;
  static constexpr size_t kUnsettledBeforeGivingUp = 16;
  std::span<const Vector> points_;
  PairSweep sweep_;
  TripleJudge& judge_;
  size_t first_ = 0;
  size_t second_ = 0;
  size_t partners_ = 0;
  size_t unsettled_ = 0;  // partners in a row the sweep did not settle
};

void try_triples_near_the_boundary(std::span<const Vector> points, double largest, TripleJudge& judge) {
  const std::vector<char> larger = far_larger_vertices(points);
  double ordinary = 0.0;
  for (size_t p = 0; p < points.size(); ++p) {
    if (!larger[p]) ordinary = std::max(ordinary, scale_of(points[p]));
  }
  // An accepted candidate has every vertex at most 0.5 plus value rounding beyond it, and its
  // three vertices within their rounding of it; the normal's length stretches both a little.
  const double band =
      (kOnPlaneTolerance + defining_vertex_error(ordinary) + plane_value_error(largest)) * (1.0 + 0x1p-20);
  const std::optional<ExactHull> hull = pruning_hull(points, band);
  if (!hull) {
    try_every_triple(points, judge);
    return;
  }

  // A vertex x deeper than this has the ball of its depth less the hull's error inside the
  // hull, so the extreme vertex along the candidate's normal, itself within the error of a facet
  // plane, is farther along by more than twice the value rounding.
  const double deciding_depth = 2.0 * hull->error + 0x1p-36 * largest + 0x1p-80;
  const std::vector<Vector> deciders = vertices_within(points, *hull, deciding_depth);
  judge.set_deciders(deciders);
  // The midpoint lies within the band of some point of the true boundary, which lies within
  // the hull's error of a facet plane.
  const PairGraph graph = near_boundary_pairs(points, *hull, band + hull->error);
  SweptTriples swept(points, deciders, largest, judge);
  for_each_candidate_triple(graph, larger, swept);
}

// Runs the first search that applies to `points`.
void try_triples(std::span<const Vector> points, double largest, TripleJudge& judge) {
  judge.set_deciders(points);
  if (for_each_thin_model_triple(points, largest, std::ref(judge))) return;
  try_triples_near_the_boundary(points, largest, judge);
}

}  // namespace

void for_each_accepted_plane(std::span<const Vector> points, const PlaneSink& accept) {
  const double largest = largest_scale(points);
  if (largest > kLargestCoordinate) {
    // Beyond the bound the model reader enforces, planes may overflow: every triple is tried.
    VertexTripleJudge judge(points, largest, accept);
    try_every_triple(points, judge);
    return;
  }
  const DistinctPositions distinct = distinct_positions(points);
  if (accepts_nothing(points, distinct, largest)) return;
  if (distinct.positions.size() == points.size() || points.size() > kMostPositionJudgedVertices) {
    VertexTripleJudge judge(points, largest, accept);
    try_triples(points, largest, judge);
    return;
  }
  PositionTripleJudge judge(distinct, largest);
  try_triples(distinct.positions, largest, judge);
  judge.hand_on(accept);
}

}  // namespace ombrix
