// The budget's first stage: dropping whole planes, each time the one whose loss adds the least
// volume.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "hull/budget/hull_points.h"

namespace ombrix {

struct KeptPlanes {
  std::vector<FacetPlane> planes;  // in the order given
  double volume = 0.0;             // of the region they enclose
  bool within_budget = false;      // false when every plane left is needed to close the region
};

// Drops planes from `planes` (unit normals, a closed region) until at most `most_planes` are
// left, each time the one whose removal adds the least volume while the region stays closed; on
// a tie the first in the given order. Planes that bound nothing go first, at no cost. Stops early,
// with within_budget false, when no plane can go without opening the region (a box: any of its
// faces).
//
// The volume a plane's removal adds is the piece beyond it that its neighbours enclose, so after
// a drop only the neighbours' pieces are weighed again. Cost: about the plane count times the
// neighbours' pieces, each a few cuts of a small polytope.
KeptPlanes drop_planes(const HullPoints& hull, std::span<const FacetPlane> planes, size_t most_planes);

}  // namespace ombrix
