// The candidates through one pair of vertices all turn about the line of the pair: seen along that
// line, the model's outline bounds every such candidate's plane values at once, so most triples
// of a pair with many partners are decided without testing their plane against the vertices.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "geometry/vector.h"
#include "hull/own/vertex_sides.h"

namespace ombrix {

class PairSweep {
 public:
  // `deciders`: the vertices that can decide a side (they outlive the sweep); `largest`: at
  // least the size of every coordinate.
  PairSweep(std::span<const Vector> deciders, double largest);

  // Prepares the candidates through p and q (p first in the triple).
  void start(const Vector& p, const Vector& q);

  // The side of the candidate of the triple (p, q, r), in that order, when the outline settles
  // it whatever rounding does: deciders beyond 0.5 on both sides or on neither, or on one side
  // only. Nothing when that is not sure.
  std::optional<OffPlaneSide> side_of(const Vector& r) const;

 private:
  using Point2 = std::array<double, 2>;
  Point2 seen_along_line(const Vector& point, double& along) const;

  std::span<const Vector> deciders_;
  double vertex_error_ = 0.0;  // how far a candidate's own vertices lie from it
  double value_error_ = 0.0;   // how far a computed plane value lies from the exact one
  std::array<double, 3> origin_{};
  std::array<double, 3> axis_{};       // unit, from p to q
  std::array<double, 3> across_[2]{};  // unit, across the axis and each other
  double length_ = 0.0;                // from p to q
  double farthest_along_ = 0.0;        // largest |along| of a decider
  double farthest_across_ = 0.0;       // largest distance of a decider from the line
  std::vector<Point2> outline_;        // the deciders' outline seen along the line, with a margin
  std::vector<double> outline_x_;      // the same, coordinate by coordinate
  std::vector<double> outline_y_;
  std::vector<Point2> seen_;
};

}  // namespace ombrix
