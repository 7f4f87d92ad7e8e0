// Which side of a candidate hull plane a model's vertices lie on, with the builder's 0.5
// tolerance, settling whole boxes of vertices at once where the plane passes far from them.
#pragma once

#include <span>
#include <vector>

#include "geometry/plane.h"
#include "geometry/vector.h"
#include "hull/box_tree.h"

namespace ombrix {

class PlaneSideTester {
 public:
  explicit PlaneSideTester(std::span<const Vector> vertices);

  // -1 or +1: the sign of the plane value of every vertex lying farther than 0.5 from
  // `candidate`; 0 when such vertices lie on both sides or none does (a value of exactly ±0.5
  // counts as on the plane, a value that is not a number as negative). The answer is that of
  // plane_value on every vertex, whatever the order: vertices that settled the last rejected
  // candidate are tried first, and a box is settled whole only when rounding cannot matter.
  int side_of(const Plane& candidate);

 private:
  struct Sides {
    bool negative = false;
    bool positive = false;
    bool both() const { return negative && positive; }
  };

  void classify_vertex(const Vector& vertex, const Plane& candidate, Sides& sides) const;
  void remember_rejection(const Vector& vertex);

  BoxTree tree_;
  double largest_coordinate_ = 0.0;
  std::vector<Vector> recent_rejecters_;
  std::vector<std::uint32_t> pending_;
};

}  // namespace ombrix
