#include "hull/own/plane_side.h"

#include <cmath>

namespace ombrix {

namespace {

constexpr size_t kLeafSize = 8;
constexpr size_t kRecentRejecters = 4;
constexpr int kRecentSideBits = 12;

// The candidate's value as a function of frame coordinates: origin value plus `along` times them.
struct FramedPlane {
  double origin_value = 0.0;
  double along[3] = {0.0, 0.0, 0.0};
  double misplacement = 0.0;  // how far the frame's rounding can move a value
};

FramedPlane framed(const Plane& candidate, const BoxFrame& frame) {
  const double a = candidate.a;
  const double b = candidate.b;
  const double c = candidate.c;
  FramedPlane plane;
  plane.origin_value = ((a * frame.origin[0] + b * frame.origin[1]) + c * frame.origin[2]) + candidate.d;
  for (int k = 0; k < 3; ++k) plane.along[k] = (a * frame.axes[k][0] + b * frame.axes[k][1]) + c * frame.axes[k][2];
  plane.misplacement = (std::fabs(a) + std::fabs(b) + std::fabs(c)) * frame.residual;
  return plane;
}

}  // namespace

PlaneSideTester::PlaneSideTester(std::span<const Vector> vertices, double largest_coordinate)
    : tree_(build_box_tree(vertices, kLeafSize)),
      // Plane values at the frame's origin and at box centres are sums of a few products in
      // double from values of the vertices' size and the offset, so they round by far less.
      value_error_(0x1p-40 * largest_coordinate + 0x1p-200),
      references_(tree_.points, largest_coordinate),
      recent_sides_(kRecentSideBits) {}

void PlaneSideTester::remember_rejection(const Vector& vertex) {
  // Neighbouring candidates tend to be rejected by the same few vertices.
  recent_rejecters_.insert(recent_rejecters_.begin(), vertex);
  if (recent_rejecters_.size() > kRecentRejecters) recent_rejecters_.pop_back();
}

OffPlaneSide PlaneSideTester::side_of(const Plane& candidate) {
  if (const OffPlaneSide* known = recent_sides_.find(candidate)) return *known;
  const OffPlaneSide side = side_found(candidate);
  recent_sides_.store(candidate, side);
  return side;
}

OffPlaneSide PlaneSideTester::side_found(const Plane& candidate) {
  VertexSides sides;
  for (const Vector& vertex : recent_rejecters_) sides.add(plane_value(vertex, candidate));
  if (sides.both()) return OffPlaneSide::kNeither;
  if (const std::optional<OffPlaneSide> settled = references_.settle(candidate)) return *settled;

  const OffPlaneSide side = side_from_boxes(candidate, sides);
  if (side == OffPlaneSide::kNegative && is_finite(candidate)) references_.note_accepted(candidate);
  if (side == OffPlaneSide::kPositive && is_finite(candidate)) {
    references_.note_accepted({-candidate.a, -candidate.b, -candidate.c, -candidate.d});
  }
  return side;
}

// Evaluates every vertex of a leaf; true, after remembering the vertex, once both sides are seen.
bool PlaneSideTester::scan_leaf(const BoxNode& node, const Plane& candidate, VertexSides& sides) {
  for (std::uint32_t p = node.begin; p < node.end; ++p) {
    sides.add(plane_value(tree_.points[p], candidate));
    if (sides.both()) {
      remember_rejection(tree_.points[p]);
      return true;
    }
  }
  return false;
}

// A vertex p is origin + sum(t_k * axis_k) + r with t its frame coordinates and |r| at most the
// frame's residual, so its exact plane value lies within the value at its box's centre plus how
// far the box reaches along the normal plus |normal| * residual. The computed values are each a
// few roundings from the exact ones, so a margin of value_error_ keeps every box decision one
// that plane_value would make on each vertex.
OffPlaneSide PlaneSideTester::side_from_boxes(const Plane& candidate, VertexSides sides) {
  if (tree_.nodes.empty()) return sides.side();
  const FramedPlane plane = framed(candidate, tree_.frame);
  const double margin = value_error_ + 0x1p-40 * std::fabs(candidate.d);
  pending_.assign(1, 0);
  while (!pending_.empty()) {
    const BoxNode& node = tree_.nodes[pending_.back()];
    pending_.pop_back();
    const double centre_value =
        plane.origin_value +
        ((plane.along[0] * node.centre[0] + plane.along[1] * node.centre[1]) + plane.along[2] * node.centre[2]);
    const double reach = std::fabs(plane.along[0]) * node.half_extent[0] +
                         std::fabs(plane.along[1]) * node.half_extent[1] +
                         std::fabs(plane.along[2]) * node.half_extent[2] + plane.misplacement + margin;
    if (centre_value + reach < -kOnPlaneTolerance) {
      sides.negative = true;
    } else if (centre_value - reach > kOnPlaneTolerance) {
      sides.positive = true;
    } else if (centre_value + reach <= kOnPlaneTolerance && centre_value - reach >= -kOnPlaneTolerance) {
      continue;  // every vertex of the box lies on the plane
    } else if (node.first_child != 0) {
      pending_.push_back(node.first_child + 1);
      pending_.push_back(node.first_child);
      continue;
    } else if (scan_leaf(node, candidate, sides)) {
      return OffPlaneSide::kNeither;
    }
    if (sides.both()) return OffPlaneSide::kNeither;
  }
  return sides.side();
}

std::optional<Plane> accepted_plane(OffPlaneSide side, const Vector& p1, const Vector& p2, const Vector& p3) {
  if (side == OffPlaneSide::kNeither) return std::nullopt;
  Plane candidate;
  if (!plane_from_points(p1, p2, p3, candidate)) return std::nullopt;
  if (side == OffPlaneSide::kNegative) return candidate;
  return Plane{-candidate.a, -candidate.b, -candidate.c, -candidate.d};
}

std::optional<Plane> accepted_plane(PlaneSideTester& tester, const Vector& p1, const Vector& p2, const Vector& p3) {
  Plane candidate;
  if (!plane_from_points(p1, p2, p3, candidate)) return std::nullopt;
  switch (tester.side_of(candidate)) {
    case OffPlaneSide::kNegative:
      return candidate;
    case OffPlaneSide::kPositive:
      return Plane{-candidate.a, -candidate.b, -candidate.c, -candidate.d};
    case OffPlaneSide::kNeither:
      break;
  }
  return std::nullopt;
}

}  // namespace ombrix
