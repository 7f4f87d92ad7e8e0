#include "hull/box_tree.h"

#include <algorithm>
#include <cmath>

namespace ombrix {

namespace {

float coordinate(const Vector& point, int axis) { return axis == 0 ? point.x : axis == 1 ? point.y : point.z; }

void bound(BoxNode& node, std::span<const Vector> points) {
  for (int axis = 0; axis < 3; ++axis) {
    float low = coordinate(points[node.begin], axis);
    float high = low;
    for (std::uint32_t p = node.begin; p < node.end; ++p) {
      low = std::min(low, coordinate(points[p], axis));
      high = std::max(high, coordinate(points[p], axis));
    }
    node.centre[axis] = 0.5 * (static_cast<double>(low) + high);
    // The centre may be rounded; widening by a relative 2^-50 keeps every point inside.
    const double reach = std::max(high - node.centre[axis], node.centre[axis] - low);
    node.half_extent[axis] = reach * (1.0 + 0x1p-50);
  }
}

int longest_axis(const BoxNode& node) {
  int axis = 0;
  if (node.half_extent[1] > node.half_extent[axis]) axis = 1;
  if (node.half_extent[2] > node.half_extent[axis]) axis = 2;
  return axis;
}

}  // namespace

BoxTree build_box_tree(std::span<const Vector> points, size_t leaf_size) {
  BoxTree tree;
  tree.points.assign(points.begin(), points.end());
  if (points.empty()) return tree;
  tree.nodes.push_back({});
  tree.nodes[0].end = static_cast<std::uint32_t>(points.size());
  // Nodes are appended in pairs as they split, so the loop visits every node once.
  for (size_t n = 0; n < tree.nodes.size(); ++n) {
    bound(tree.nodes[n], tree.points);
    const BoxNode node = tree.nodes[n];
    if (node.end - node.begin <= leaf_size) continue;
    const int axis = longest_axis(node);
    const std::uint32_t middle = node.begin + (node.end - node.begin) / 2;
    std::nth_element(tree.points.begin() + node.begin, tree.points.begin() + middle, tree.points.begin() + node.end,
                     [axis](const Vector& left, const Vector& right) {
                       return coordinate(left, axis) < coordinate(right, axis);
                     });
    tree.nodes[n].first_child = static_cast<std::uint32_t>(tree.nodes.size());
    BoxNode lower;
    lower.begin = node.begin;
    lower.end = middle;
    BoxNode upper;
    upper.begin = middle;
    upper.end = node.end;
    tree.nodes.push_back(lower);
    tree.nodes.push_back(upper);
  }
  return tree;
}

}  // namespace ombrix
