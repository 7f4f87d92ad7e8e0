// The vertex pairs that can lie together in an accepted candidate plane of the internal hull,
// found from the exact hull, so that the builder tries only the triples they form.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "geometry/vector.h"
#include "hull/exact_hull.h"

namespace ombrix {

// For each vertex i, the vertices j > i it is paired with, ascending.
using PairGraph = std::vector<std::vector<std::uint32_t>>;

// Pairs every two vertices of `points` whose midpoint may lie within `limit` of the hull's
// boundary: some facet plane of `hull` has the two vertices' inward distances summing to at
// most 2 * limit. Vertices deeper than `limit` pair with nothing. Costs about the point count
// times the facet count, plus the pairs found on each facet.
PairGraph near_boundary_pairs(std::span<const Vector> points, const ExactHull& hull, double limit);

// Calls visit(i, j, k) for every triple i < j < k whose three pairs are all in `graph`, in
// lexicographic order.
template <class Visit>
void for_each_paired_triple(const PairGraph& graph, Visit&& visit) {
  std::vector<char> paired_with_i(graph.size(), 0);
  for (size_t i = 0; i < graph.size(); ++i) {
    for (const std::uint32_t j : graph[i]) paired_with_i[j] = 1;
    for (const std::uint32_t j : graph[i]) {
      for (const std::uint32_t k : graph[j]) {
        if (paired_with_i[k]) visit(i, size_t{j}, size_t{k});
      }
    }
    for (const std::uint32_t j : graph[i]) paired_with_i[j] = 0;
  }
}

}  // namespace ombrix
