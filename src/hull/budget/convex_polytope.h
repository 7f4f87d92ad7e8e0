// A convex polytope held as corners and faces and cut down one plane at a time: the volumes and
// face shapes the plane budget weighs its choices with.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "hull/budget/point3.h"
#include "hull/qhull/exact_hull.h"

namespace ombrix {

// The label of the faces of the starting box: a polytope that still has one is unbounded as far
// as its planes go.
inline constexpr int kBoxLabel = -1;

struct PolytopeFace {
  int label = 0;     // the label its plane was cut with, or kBoxLabel
  size_t first = 0;  // its corners are corner_indices()[first, first + count)
  size_t count = 0;  // counter-clockwise seen from outside
};

// Area and centroid of one face.
struct FaceShape {
  double area = 0.0;
  Point3 centroid;
};

class ConvexPolytope {
 public:
  // The box from `low` to `high`, its faces labelled kBoxLabel. Corners closer than `tolerance`
  // to a cutting plane count as lying on it.
  ConvexPolytope(const Point3& low, const Point3& high, double tolerance);

  // Keeps the part where the plane's value (facet_distance, a unit normal) is at most 0; the
  // face it makes carries `label`. Returns false when no corner lay beyond the plane, and the
  // polytope is left as it was. A face whose corners all lie on the plane is replaced by the new
  // one. When nothing lies inside the plane, the polytope becomes empty.
  bool cut(const FacetPlane& plane, int label);

  bool empty() const { return faces_.empty(); }
  bool has_label(int label) const;
  // The face that carries `label`, or nullptr.
  const PolytopeFace* face_with_label(int label) const;

  double volume() const;
  FaceShape face_shape(const PolytopeFace& face) const;

  const std::vector<Point3>& corners() const { return corners_; }
  const std::vector<PolytopeFace>& faces() const { return faces_; }
  std::span<const size_t> face_corners(const PolytopeFace& face) const {
    return std::span<const size_t>(corner_indices_).subspan(face.first, face.count);
  }

 private:
  void add_cap(const FacetPlane& plane, int label);
  void drop_unused_corners();

  double tolerance_;
  std::vector<Point3> corners_;
  std::vector<size_t> corner_indices_;
  std::vector<PolytopeFace> faces_;
};

// ((x*p.x + y*p.y) + z*p.z) + offset: the signed distance for a unit normal, positive outside.
double plane_distance(const FacetPlane& plane, const Point3& point);

}  // namespace ombrix
