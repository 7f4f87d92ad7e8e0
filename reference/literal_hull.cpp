#include "reference/literal_hull.h"

#include <cmath>

#include "record/on_plane_tolerance.h"
#include "shared/number_text.h"

namespace ombrix::reference {

namespace {

constexpr double kMergeOffsetShare = 0.01;       // relative to the first plane's offset
constexpr double kMergeNormalCosine = 0.996194;  // cos 5°

// The side of all vertices off the candidate: -1 or +1, or 0 when the candidate is rejected
// (vertices on both sides, or none off the plane).
int side_of_vertices(const Plane& candidate, std::span<const MeshVertex> vertices) {
  int side = 0;
  for (const MeshVertex& vertex : vertices) {
    const double value = plane_value(vertex.position, candidate);
    if (std::fabs(value) <= kOnPlaneTolerance) continue;
    const int sign = value > 0 ? 1 : -1;
    if (side == 0) {
      side = sign;
    } else if (side == -sign) {
      return 0;
    }
  }
  return side;
}

void merge_near_duplicates(std::vector<Plane>& planes) {
  for (size_t p = 0; p < planes.size(); ++p) {
    const Plane first = planes[p];  // the tests compare with P as it was before any merge
    Plane sum = first;
    size_t collected = 0;
    size_t kept = p + 1;
    for (size_t q = p + 1; q < planes.size(); ++q) {
      const Plane& other = planes[q];
      const bool near_offset =
          std::fabs(static_cast<double>(other.d) - first.d) < std::fabs(kMergeOffsetShare * first.d);
      const bool near_normal = dot(plane_normal(first), plane_normal(other)) > kMergeNormalCosine;
      if (near_offset && near_normal) {
        sum.a = static_cast<float>(static_cast<double>(sum.a) + other.a);
        sum.b = static_cast<float>(static_cast<double>(sum.b) + other.b);
        sum.c = static_cast<float>(static_cast<double>(sum.c) + other.c);
        sum.d = static_cast<float>(static_cast<double>(sum.d) + other.d);
        ++collected;
      } else {
        planes[kept++] = other;
      }
    }
    if (collected == 0) continue;
    planes.resize(kept);
    const double divisor = static_cast<double>(collected + 1);
    planes[p] = {static_cast<float>(sum.a / divisor), static_cast<float>(sum.b / divisor),
                 static_cast<float>(sum.c / divisor), static_cast<float>(sum.d / divisor)};
  }
}

}  // namespace

void build_literal_hull(std::vector<Plane>& planes, std::span<const MeshVertex> vertices, Log& log) {
  log.log_message("Creating Hull.", Stamp::kStamped);

  std::vector<Plane> found;
  const size_t n = vertices.size();
  for (size_t i = 0; i + 2 < n; ++i) {
    for (size_t j = i + 1; j + 1 < n; ++j) {
      for (size_t k = j + 1; k < n; ++k) {
        Plane candidate;
        if (!plane_from_points(vertices[i].position, vertices[j].position, vertices[k].position, candidate)) {
          continue;
        }
        const int side = side_of_vertices(candidate, vertices);
        if (side == -1) {
          found.push_back(candidate);
        } else if (side == 1) {
          found.push_back({-candidate.a, -candidate.b, -candidate.c, -candidate.d});
        }
      }
    }
  }
  merge_near_duplicates(found);

  planes.insert(planes.end(), found.begin(), found.end());
  log.log_message("    Number of planes for the Hull: " + format_whole(static_cast<std::int64_t>(found.size())),
                  Stamp::kStamped);
}

}  // namespace ombrix::reference
