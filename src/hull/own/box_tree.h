// A tree of boxes over a point set, so that a plane can settle whole groups of points at
// once. The boxes are aligned with a frame chosen for the points (see box_frame.h).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "geometry/vector.h"
#include "hull/own/box_frame.h"

namespace ombrix {

struct BoxNode {
  double centre[3] = {0.0, 0.0, 0.0};  // in frame coordinates
  // At least the largest difference, per frame axis, between the centre and the frame
  // coordinates of a point of the node.
  double half_extent[3] = {0.0, 0.0, 0.0};
  std::uint32_t begin = 0;  // the node's points: BoxTree::points[begin, end)
  std::uint32_t end = 0;
  std::uint32_t first_child = 0;  // children at first_child and first_child + 1; 0 for a leaf
};

struct BoxTree {
  BoxFrame frame;
  std::vector<Vector> points;  // the input points, reordered so that every node's are contiguous
  std::vector<BoxNode> nodes;  // nodes[0] is the root; empty for no points
};

// Splits at the median of the longest frame axis until a node holds at most `leaf_size`
// points.
BoxTree build_box_tree(std::span<const Vector> points, size_t leaf_size);

}  // namespace ombrix
