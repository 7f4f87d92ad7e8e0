#include "hull/budget/convex_polytope.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace ombrix {

namespace {

// A number that grows with the angle of (x, y) from 0 to 2 pi, without a trigonometric call: the
// order of corners around a face is all that is needed.
double pseudo_angle(double x, double y) {
  const double p = y / (std::fabs(x) + std::fabs(y));
  return x < 0.0 ? 2.0 - p : (y < 0.0 ? 4.0 + p : p);
}

// The working space of a cut, shared by every polytope of the thread so that copies stay small
// and cuts allocate nothing once it has grown.
struct CutSpace {
  std::vector<double> distances;
  std::vector<size_t> renumbered;
  std::vector<char> on_plane;
  std::vector<std::pair<size_t, size_t>> crossed_edges;  // (edge key, new corner)
  std::vector<size_t> next_indices;
  std::vector<PolytopeFace> next_faces;
  std::vector<std::pair<double, size_t>> cap;  // (pseudo-angle, corner)
};

CutSpace& cut_space() {
  thread_local CutSpace space;
  return space;
}

}  // namespace

double plane_distance(const FacetPlane& plane, const Point3& point) {
  return ((plane.x * point.x + plane.y * point.y) + plane.z * point.z) + plane.offset;
}

ConvexPolytope::ConvexPolytope(const Point3& low, const Point3& high, double tolerance) : tolerance_(tolerance) {
  for (int k = 0; k < 8; ++k) {
    corners_.push_back({(k & 1) ? high.x : low.x, (k & 2) ? high.y : low.y, (k & 4) ? high.z : low.z});
  }
  // Each face counter-clockwise seen from outside: -x, +x, -y, +y, -z, +z.
  const size_t loops[6][4] = {{0, 4, 6, 2}, {1, 3, 7, 5}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 2, 3, 1}, {4, 5, 7, 6}};
  for (const auto& loop : loops) {
    faces_.push_back({kBoxLabel, corner_indices_.size(), 4});
    corner_indices_.insert(corner_indices_.end(), loop, loop + 4);
  }
}

bool ConvexPolytope::cut(const FacetPlane& plane, int label) {
  if (faces_.empty()) return false;
  CutSpace& space = cut_space();
  std::vector<double>& distances = space.distances;
  std::vector<size_t>& renumbered = space.renumbered;
  std::vector<char>& on_plane = space.on_plane;
  std::vector<std::pair<size_t, size_t>>& crossed_edges = space.crossed_edges;
  std::vector<size_t>& next_indices = space.next_indices;
  std::vector<PolytopeFace>& next_faces = space.next_faces;
  distances.resize(corners_.size());
  double most = -HUGE_VAL;
  double least = HUGE_VAL;
  for (size_t i = 0; i < corners_.size(); ++i) {
    distances[i] = plane_distance(plane, corners_[i]);
    most = std::max(most, distances[i]);
    least = std::min(least, distances[i]);
  }
  if (most <= tolerance_) return false;
  if (least >= -tolerance_) {  // nothing, or nothing with a thickness, stays
    corners_.clear();
    corner_indices_.clear();
    faces_.clear();
    return true;
  }

  // Corners that stay keep their place; a crossed edge gets one new corner, shared by its two faces.
  const size_t old_count = corners_.size();
  renumbered.assign(old_count, SIZE_MAX);
  on_plane.assign(old_count, 0);
  for (size_t i = 0; i < old_count; ++i) {
    if (distances[i] <= tolerance_) {
      renumbered[i] = i;
      on_plane[i] = distances[i] >= -tolerance_;
    }
  }
  crossed_edges.clear();
  const auto crossing = [&](size_t a, size_t b) {
    const size_t key = std::min(a, b) * old_count + std::max(a, b);
    for (const auto& [edge, corner] : crossed_edges) {
      if (edge == key) return corner;
    }
    const double t = distances[a] / (distances[a] - distances[b]);
    const Point3& p = corners_[a];
    const Point3& q = corners_[b];
    corners_.push_back({p.x + t * (q.x - p.x), p.y + t * (q.y - p.y), p.z + t * (q.z - p.z)});
    on_plane.push_back(1);
    crossed_edges.emplace_back(key, corners_.size() - 1);
    return corners_.size() - 1;
  };

  next_indices.clear();
  next_faces.clear();
  for (const PolytopeFace& face : faces_) {
    const size_t first = next_indices.size();
    bool all_on_plane = true;
    for (size_t k = 0; k < face.count; ++k) {
      const size_t a = corner_indices_[face.first + k];
      const size_t b = corner_indices_[face.first + (k + 1) % face.count];
      if (renumbered[a] != SIZE_MAX) {
        next_indices.push_back(a);
        all_on_plane = all_on_plane && on_plane[a];
      }
      const bool a_in = distances[a] < -tolerance_;
      const bool b_in = distances[b] < -tolerance_;
      const bool a_out = distances[a] > tolerance_;
      const bool b_out = distances[b] > tolerance_;
      if ((a_in && b_out) || (a_out && b_in)) next_indices.push_back(crossing(a, b));
    }
    const size_t count = next_indices.size() - first;
    if (count < 3 || all_on_plane) {
      next_indices.resize(first);
      continue;
    }
    next_faces.push_back({face.label, first, count});
  }
  std::swap(corner_indices_, next_indices);
  std::swap(faces_, next_faces);

  add_cap(plane, label);
  drop_unused_corners();
  return true;
}

// The new face: the corners on the plane, in order of their angle about their centre.
void ConvexPolytope::add_cap(const FacetPlane& plane, int label) {
  std::vector<char>& on_plane = cut_space().on_plane;
  std::vector<std::pair<double, size_t>>& cap = cut_space().cap;
  cap.clear();
  Point3 centre;
  for (const size_t index : corner_indices_) {
    if (!on_plane[index]) continue;
    on_plane[index] = 0;  // once each
    cap.emplace_back(0.0, index);
    centre = {centre.x + corners_[index].x, centre.y + corners_[index].y, centre.z + corners_[index].z};
  }
  if (cap.size() < 3) return;
  const double n = static_cast<double>(cap.size());
  centre = {centre.x / n, centre.y / n, centre.z / n};
  const PlaneAxes axes = plane_axes({plane.x, plane.y, plane.z});
  for (auto& [angle, index] : cap) {
    const Point3 d = minus(corners_[index], centre);
    angle = pseudo_angle(dot(d, axes.u), dot(d, axes.v));
  }
  std::sort(cap.begin(), cap.end());
  faces_.push_back({label, corner_indices_.size(), cap.size()});
  for (const auto& entry : cap) corner_indices_.push_back(entry.second);
}

void ConvexPolytope::drop_unused_corners() {
  std::vector<size_t>& renumbered = cut_space().renumbered;
  renumbered.assign(corners_.size(), SIZE_MAX);
  for (const size_t index : corner_indices_) renumbered[index] = 0;
  size_t kept = 0;
  for (size_t i = 0; i < corners_.size(); ++i) {
    if (renumbered[i] == SIZE_MAX) continue;
    renumbered[i] = kept;
    corners_[kept++] = corners_[i];
  }
  corners_.resize(kept);
  for (size_t& index : corner_indices_) index = renumbered[index];
}

bool ConvexPolytope::has_label(int label) const { return face_with_label(label) != nullptr; }

const PolytopeFace* ConvexPolytope::face_with_label(int label) const {
  for (const PolytopeFace& face : faces_) {
    if (face.label == label) return &face;
  }
  return nullptr;
}

double ConvexPolytope::volume() const {
  if (faces_.empty()) return 0.0;
  const Point3 origin = corners_.front();
  double six_times = 0.0;
  for (const PolytopeFace& face : faces_) {
    const std::span<const size_t> loop = face_corners(face);
    const Point3 p0 = minus(corners_[loop[0]], origin);
    for (size_t k = 1; k + 1 < loop.size(); ++k) {
      six_times += dot(p0, cross(minus(corners_[loop[k]], origin), minus(corners_[loop[k + 1]], origin)));
    }
  }
  return six_times / 6.0;
}

FaceShape ConvexPolytope::face_shape(const PolytopeFace& face) const {
  const std::span<const size_t> loop = face_corners(face);
  const Point3& p0 = corners_[loop[0]];
  FaceShape shape;
  Point3 weighted;
  for (size_t k = 1; k + 1 < loop.size(); ++k) {
    const Point3& p1 = corners_[loop[k]];
    const Point3& p2 = corners_[loop[k + 1]];
    const Point3 c = cross(minus(p1, p0), minus(p2, p0));
    const double area = 0.5 * std::sqrt(dot(c, c));
    shape.area += area;
    weighted.x += area * (p0.x + p1.x + p2.x) / 3.0;
    weighted.y += area * (p0.y + p1.y + p2.y) / 3.0;
    weighted.z += area * (p0.z + p1.z + p2.z) / 3.0;
  }
  if (shape.area > 0.0) {
    shape.centroid = {weighted.x / shape.area, weighted.y / shape.area, weighted.z / shape.area};
  } else {
    shape.centroid = p0;
  }
  return shape;
}

}  // namespace ombrix
