#include "hull/own/own_hull.h"

#include "hull/own/candidate_planes.h"
#include "hull/own/plane_merge.h"
#include "shared/number_text.h"

namespace ombrix {

void build_own_hull(std::vector<Plane>& planes, std::span<const MeshVertex> vertices, Log& log) {
  log.log_message("Creating Hull.", Stamp::kStamped);

  std::vector<Vector> points;
  points.reserve(vertices.size());
  for (const MeshVertex& vertex : vertices) points.push_back(vertex.position);

  PlaneMerger merger;
  for_each_accepted_plane(points, [&](const Plane& plane) { merger.add(plane); });
  const std::vector<Plane> merged = merger.merged_planes();

  planes.insert(planes.end(), merged.begin(), merged.end());
  log.log_message("    Number of planes for the Hull: " + format_whole(static_cast<std::int64_t>(merged.size())),
                  Stamp::kStamped);
}

}  // namespace ombrix
