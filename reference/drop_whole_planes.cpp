#include "reference/drop_whole_planes.h"

#include <limits>
#include <queue>

#include "hull/solid/hull_solid.h"
#include "hull/solid/solid_volume.h"

namespace ombrix::reference {

namespace {

// The volume the planes marked kept enclose, or infinity when they close no region.
double kept_volume(std::span<const Plane> planes, const std::vector<bool>& kept, size_t without) {
  std::vector<Plane> left;
  for (size_t i = 0; i < planes.size(); ++i) {
    if (kept[i] && i != without) left.push_back(planes[i]);
  }
  HullSolid solid;
  if (solid_of_planes(left, solid) != SolidResult::kClosed) return std::numeric_limits<double>::infinity();
  return solid_volume(solid);
}

struct Weighed {
  double volume;  // left after the removal, when weighed
  size_t plane;
  bool operator<(const Weighed& other) const {
    return volume != other.volume ? volume > other.volume : plane > other.plane;
  }
};

}  // namespace

DroppedHull drop_whole_planes(std::span<const Plane> planes, size_t most_planes) {
  std::vector<bool> kept(planes.size(), true);
  size_t left = planes.size();
  const size_t none = planes.size();
  double volume = kept_volume(planes, kept, none);
  std::priority_queue<Weighed> queue;
  for (size_t i = 0; i < planes.size(); ++i) queue.push({kept_volume(planes, kept, i), i});

  while (left > most_planes && !queue.empty()) {
    const Weighed top = queue.top();
    queue.pop();
    const double now = kept_volume(planes, kept, top.plane);
    if (!queue.empty() && now > queue.top().volume) {
      queue.push({now, top.plane});  // costlier than when weighed: weigh the next first
      continue;
    }
    if (now == std::numeric_limits<double>::infinity()) break;
    kept[top.plane] = false;
    --left;
    volume = now;
  }

  DroppedHull result;
  for (size_t i = 0; i < planes.size(); ++i) {
    if (kept[i]) result.planes.push_back(planes[i]);
  }
  result.volume = volume;
  return result;
}

}  // namespace ombrix::reference
