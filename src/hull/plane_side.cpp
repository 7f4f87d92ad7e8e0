#include "hull/plane_side.h"

#include <algorithm>
#include <cmath>

namespace ombrix {

namespace {

constexpr double kOnPlaneTolerance = 0.5;  // absolute, in model units, whatever the model's size
constexpr size_t kLeafSize = 8;
constexpr size_t kRecentRejecters = 2;

}  // namespace

PlaneSideTester::PlaneSideTester(std::span<const Vector> vertices) : tree_(build_box_tree(vertices, kLeafSize)) {
  for (const Vector& vertex : vertices) {
    largest_coordinate_ = std::max({largest_coordinate_, static_cast<double>(std::fabs(vertex.x)),
                                    static_cast<double>(std::fabs(vertex.y)), static_cast<double>(std::fabs(vertex.z))});
  }
}

void PlaneSideTester::classify_vertex(const Vector& vertex, const Plane& candidate, Sides& sides) const {
  const double value = plane_value(vertex, candidate);
  if (std::fabs(value) <= kOnPlaneTolerance) return;
  if (value > 0) {
    sides.positive = true;
  } else {
    sides.negative = true;
  }
}

void PlaneSideTester::remember_rejection(const Vector& vertex) {
  // Neighbouring candidates tend to be rejected by the same few vertices.
  recent_rejecters_.insert(recent_rejecters_.begin(), vertex);
  if (recent_rejecters_.size() > kRecentRejecters) recent_rejecters_.pop_back();
}

int PlaneSideTester::side_of(const Plane& candidate) {
  Sides sides;
  for (const Vector& vertex : recent_rejecters_) classify_vertex(vertex, candidate, sides);
  if (sides.both()) return 0;
  if (tree_.nodes.empty()) return 0;

  // The plane value of a box's centre, widened by how far the box reaches along the normal,
  // bounds the values of its vertices. Every value here is a few roundings of double
  // precision from the exact one, each within 2^-50 of the magnitudes involved (coordinates,
  // |d|), so a margin of 2^-40 of them keeps every box decision one that plane_value would
  // make on each vertex.
  const double margin = 0x1p-40 * (largest_coordinate_ + std::fabs(candidate.d) + 1.0);
  const double a = candidate.a;
  const double b = candidate.b;
  const double c = candidate.c;
  pending_.assign(1, 0);
  while (!pending_.empty()) {
    const BoxNode& node = tree_.nodes[pending_.back()];
    pending_.pop_back();
    const double centre_value = ((a * node.centre[0] + b * node.centre[1]) + c * node.centre[2]) + candidate.d;
    const double reach =
        std::fabs(a) * node.half_extent[0] + std::fabs(b) * node.half_extent[1] + std::fabs(c) * node.half_extent[2];
    const double highest = centre_value + reach + margin;
    const double lowest = centre_value - reach - margin;
    if (highest < -kOnPlaneTolerance) {
      sides.negative = true;
    } else if (lowest > kOnPlaneTolerance) {
      sides.positive = true;
    } else if (highest <= kOnPlaneTolerance && lowest >= -kOnPlaneTolerance) {
      continue;
    } else if (node.first_child != 0) {
      pending_.push_back(node.first_child + 1);
      pending_.push_back(node.first_child);
      continue;
    } else {
      for (std::uint32_t p = node.begin; p < node.end; ++p) {
        classify_vertex(tree_.points[p], candidate, sides);
        if (sides.both()) {
          remember_rejection(tree_.points[p]);
          return 0;
        }
      }
    }
    if (sides.both()) return 0;
  }
  if (sides.positive) return 1;
  return sides.negative ? -1 : 0;
}

}  // namespace ombrix
