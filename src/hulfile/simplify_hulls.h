// A plane budget for the hulls of any hull file: each hull with too many planes replaced by fewer
// that still enclose all of it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "record/collision_data.h"

namespace ombrix {

// What the budget did to one hull.
struct SimplifiedHull {
  size_t hull = 0;  // from 0
  size_t planes_before = 0;
  size_t planes_after = 0;
  double volume_change = 0.0;    // percent, the new solid against the old
  bool corners_made = false;     // its points and edges were made anew from the new solid
  bool corners_dropped = false;  // it had points or edges, and the new ones would not fit a file
};

struct Simplification {
  std::vector<SimplifiedHull> hulls;  // the hulls changed, in file order
  std::string refusal;                // why nothing was changed; empty when all went well
};

// Replaces the planes of every hull of `data` with more than `most_planes` (4 to 32767) planes by
// at most that many, with unit normals, that enclose the hull's whole solid: budget_hull of the
// solid's corners, every corner kept inside by a margin for the corners' rounding. A hull that
// had points or edges gets its new solid's corners and edges instead. Boxes, offsets, spheres,
// other hulls and trailing bytes stay as they are.
//
// When a hull with too many planes closes no region (open, empty, flat, or with values that are
// not finite), `data` is left as it was and `refusal` names the hull and says why.
Simplification simplify_hulls(CollisionData& data, size_t most_planes);

}  // namespace ombrix
