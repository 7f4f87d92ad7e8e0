// The plain greedy the plane budget is measured against: whole planes of a hull dropped one at a
// time, every volume taken from the whole solid anew.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "geometry/plane.h"

namespace ombrix::reference {

struct DroppedHull {
  std::vector<Plane> planes;  // the planes kept, in the order given
  double volume = 0.0;        // the volume they enclose
};

// Drops planes from `planes` (a closed hull) until at most `most_planes` are left, each time the
// one whose removal leaves the smallest volume while the planes still close a region (the first
// on a tie); stops early when none can go. Each volume is the solid of all planes left
// (solid_of_planes). A removal can only cost more once other planes have gone, so a cost taken
// earlier is a floor: a candidate is weighed again only when its old cost is the lowest (the
// lazy greedy of M. Minoux, "Accelerated greedy algorithms for maximizing submodular set
// functions", 1978).
// Seconds for a car body's few hundred planes.
DroppedHull drop_whole_planes(std::span<const Plane> planes, size_t most_planes);

}  // namespace ombrix::reference
