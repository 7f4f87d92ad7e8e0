// The deepest point of a set of halfspaces: the centre of the largest ball inside all of them.
#pragma once

#include <optional>
#include <span>

#include "hull/qhull/exact_hull.h"

namespace ombrix {

struct DeepestPoint {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  // The smallest distance of the point inside any plane: above 0 when the planes enclose
  // something with a thickness, about 0 when what they enclose is flat, below 0 when they
  // enclose nothing (then how far the point lies out of its worst plane, the least possible).
  double depth = 0.0;
};

// Finds the point whose smallest depth inside `planes` (each with a unit normal; inside is
// facet_distance <= 0) is largest, also keeping inside the cube |x|, |y|, |z| <= reach (its six
// faces count as more planes, so open sets of planes give an answer too). The point is the
// centre of the largest ball that fits, found by linear programming (a simplex method over a
// four-by-four basis), so its cost is about the plane count times a few dozen steps.
//
// Returns nothing when the arithmetic breaks down: a value that is not finite, reach not above
// 0, or no progress within the step limit (near-degenerate planes).
std::optional<DeepestPoint> chebyshev_centre(std::span<const FacetPlane> planes, double reach);

}  // namespace ombrix
