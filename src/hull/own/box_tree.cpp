#include "hull/own/box_tree.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace ombrix {

namespace {

using Coordinates = std::array<double, 3>;

void bound(BoxNode& node, std::span<const Coordinates> coordinates) {
  for (int axis = 0; axis < 3; ++axis) {
    double low = coordinates[node.begin][axis];
    double high = low;
    for (std::uint32_t p = node.begin; p < node.end; ++p) {
      low = std::min(low, coordinates[p][axis]);
      high = std::max(high, coordinates[p][axis]);
    }
    node.centre[axis] = 0.5 * (low + high);
    // The centre and the differences round; widening by a relative 2^-50 keeps every point inside.
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
  tree.frame = choose_box_frame(points);
  if (points.empty()) return tree;

  // Points are sorted through an order of indices, their frame coordinates kept beside them.
  std::vector<Coordinates> coordinates;
  coordinates.reserve(points.size());
  for (const Vector& point : points) coordinates.push_back(frame_coordinates(tree.frame, point));
  std::vector<std::uint32_t> order(points.size());
  std::iota(order.begin(), order.end(), 0u);
  std::vector<Coordinates> sorted(coordinates);

  tree.nodes.push_back({});
  tree.nodes[0].end = static_cast<std::uint32_t>(points.size());
  // Nodes are appended in pairs as they split, so the loop visits every node once.
  for (size_t n = 0; n < tree.nodes.size(); ++n) {
    BoxNode& node = tree.nodes[n];
    for (std::uint32_t p = node.begin; p < node.end; ++p) sorted[p] = coordinates[order[p]];
    bound(node, sorted);
    if (node.end - node.begin <= leaf_size) continue;
    const int axis = longest_axis(node);
    const std::uint32_t begin = node.begin;
    const std::uint32_t middle = node.begin + (node.end - node.begin) / 2;
    const std::uint32_t end = node.end;
    std::nth_element(
        order.begin() + begin, order.begin() + middle, order.begin() + end,
        [&](std::uint32_t left, std::uint32_t right) { return coordinates[left][axis] < coordinates[right][axis]; });
    node.first_child = static_cast<std::uint32_t>(tree.nodes.size());
    BoxNode lower;
    lower.begin = begin;
    lower.end = middle;
    BoxNode upper;
    upper.begin = middle;
    upper.end = end;
    tree.nodes.push_back(lower);  // may move the nodes: `node` is not used past here
    tree.nodes.push_back(upper);
  }
  tree.points.reserve(points.size());
  for (const std::uint32_t p : order) tree.points.push_back(points[p]);
  return tree;
}

}  // namespace ombrix
