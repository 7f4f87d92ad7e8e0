#include "hull/budget/touching_candidates.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ombrix {

namespace {

// Adds the plane touching the points whose normal points along `direction`, when there is one.
void add_touching(const HullPoints& hull, const Point3& direction, std::vector<FacetPlane>& candidates) {
  if (!(dot(direction, direction) > 0.0)) return;
  candidates.push_back(hull.touching_plane(unit(direction)));
}

}  // namespace

std::vector<FacetPlane> touching_candidates(const HullPoints& hull) {
  std::vector<FacetPlane> candidates;
  for (const Point3& normal : hull.face_normals) candidates.push_back(hull.touching_plane(normal));
  const ConvexPolytope region = region_of(hull, candidates);

  std::vector<std::vector<int>> faces_at(region.corners().size());
  for (const PolytopeFace& face : region.faces()) {
    for (const size_t corner : region.face_corners(face)) faces_at[corner].push_back(face.label);
  }
  // An edge runs between two corners that follow each other on a face; the other face it
  // bounds is the one both corners share.
  std::vector<std::pair<int, int>> edges;
  for (const PolytopeFace& face : region.faces()) {
    const std::span<const size_t> loop = region.face_corners(face);
    for (size_t k = 0; k < loop.size(); ++k) {
      const std::vector<int>& next = faces_at[loop[(k + 1) % loop.size()]];
      for (const int other : faces_at[loop[k]]) {
        if (other > face.label && std::find(next.begin(), next.end(), other) != next.end()) {
          edges.emplace_back(face.label, other);
        }
      }
    }
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  for (const auto& [a, b] : edges) {
    const Point3& p = hull.face_normals[static_cast<size_t>(a)];
    const Point3& q = hull.face_normals[static_cast<size_t>(b)];
    add_touching(hull, {p.x + q.x, p.y + q.y, p.z + q.z}, candidates);
  }
  for (const std::vector<int>& labels : faces_at) {
    Point3 sum;
    for (const int label : labels) {
      const Point3& n = hull.face_normals[static_cast<size_t>(label)];
      sum = {sum.x + n.x, sum.y + n.y, sum.z + n.z};
    }
    add_touching(hull, sum, candidates);
  }
  return candidates;
}

}  // namespace ombrix
