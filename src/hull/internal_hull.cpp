#include "hull/internal_hull.h"

#include "hull/candidate_planes.h"
#include "hull/plane_merge.h"
#include "shared/number_text.h"

namespace ombrix {

void build_internal_hull(std::vector<Plane>& planes, std::span<const MeshVertex> vertices, Log& log) {
  log.log_message("Creating Hull.", true);

  std::vector<Vector> points;
  points.reserve(vertices.size());
  for (const MeshVertex& vertex : vertices) points.push_back(vertex.position);

  std::vector<Plane> found = accepted_candidate_planes(points);
  merge_near_duplicate_planes(found);

  planes.insert(planes.end(), found.begin(), found.end());
  log.log_message("    Number of planes for the Hull: " + format_whole(static_cast<std::int64_t>(found.size())),
                  true);
}

}  // namespace ombrix
