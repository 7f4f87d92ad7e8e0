// Which side of a candidate hull plane a model's vertices lie on, with the builder's 0.5
// tolerance: the answer of plane_value on every vertex, found from far fewer of them.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "geometry/plane.h"
#include "geometry/vector.h"
#include "hull/own/box_tree.h"
#include "hull/own/recent_planes.h"
#include "hull/own/side_references.h"

namespace ombrix {

class PlaneSideTester {
 public:
  // `largest_coordinate`: at least the size of every coordinate of `vertices`.
  PlaneSideTester(std::span<const Vector> vertices, double largest_coordinate);

  // The side of `candidate` on which every vertex lies that is farther than 0.5 from it; kNeither
  // when such vertices lie on both sides or none does. A value that is not a number counts as
  // negative. A plane with the same bits as a recent one gets its answer again; otherwise
  // vertices that settled a recent rejection are tried first, then a plane decided before with
  // nearly the same fields, then boxes of vertices, each box settled whole only where rounding
  // cannot matter.
  OffPlaneSide side_of(const Plane& candidate);

 private:
  OffPlaneSide side_found(const Plane& candidate);
  OffPlaneSide side_from_boxes(const Plane& candidate, VertexSides sides);
  bool scan_leaf(const BoxNode& node, const Plane& candidate, VertexSides& sides);
  void remember_rejection(const Vector& vertex);

  BoxTree tree_;
  double value_error_ = 0.0;
  SideReferences references_;
  RecentPlanes<OffPlaneSide> recent_sides_;
  std::vector<Vector> recent_rejecters_;
  std::vector<std::uint32_t> pending_;
};

// The plane through p1, p2, p3 (plane_from_points) when `tester` accepts it, turned so that the
// vertices off it lie on its negative side; nothing for a degenerate or rejected triple.
std::optional<Plane> accepted_plane(PlaneSideTester& tester, const Vector& p1, const Vector& p2, const Vector& p3);

// The same for a triple whose side is already known.
std::optional<Plane> accepted_plane(OffPlaneSide side, const Vector& p1, const Vector& p2, const Vector& p3);

}  // namespace ombrix
