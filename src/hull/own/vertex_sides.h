// Where the vertices off a candidate hull plane lie, gathered one plane value at a time.
#pragma once

#include <cmath>

#include "hull/own/rounding_margins.h"

namespace ombrix {

enum class OffPlaneSide {
  kNeither,   // vertices off the plane on both sides, or none off it: the candidate is rejected
  kNegative,  // all of them on the negative side: the normal already points out of the hull
  kPositive,  // all of them on the positive side: the plane is turned before it is kept
};

// The sides seen so far among the plane values of some vertices.
struct VertexSides {
  bool negative = false;
  bool positive = false;

  // A value within the tolerance lies on the plane; one that is not a number counts as negative.
  void add(double value) {
    if (std::fabs(value) <= kOnPlaneTolerance) return;
    if (value > 0.0) {
      positive = true;
    } else {
      negative = true;
    }
  }
  bool both() const { return negative && positive; }
  OffPlaneSide side() const {
    if (both()) return OffPlaneSide::kNeither;
    if (positive) return OffPlaneSide::kPositive;
    return negative ? OffPlaneSide::kNegative : OffPlaneSide::kNeither;
  }
};

}  // namespace ombrix
