// The vertex pairs that can lie together in an accepted candidate plane of the own hull,
// found from the exact hull, so that the builder tries only the triples they form.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "geometry/vector.h"
#include "hull/qhull/exact_hull.h"

namespace ombrix {

// For each vertex i, the vertices j > i it is paired with, ascending.
using PairGraph = std::vector<std::vector<std::uint32_t>>;

// Pairs every two vertices of `points` whose midpoint may lie within `limit` of the hull's
// boundary: some facet plane of `hull` has the two vertices' inward distances summing to at
// most 2 * limit. Vertices deeper than `limit` pair with nothing. Where that would take longer
// than pairing every two vertices within `limit` of the boundary (a thin or nearly flat
// model), it pairs those instead. Costs about the point count times the facet count, plus the
// pairs, which are at most those of the vertices within `limit`.
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

// Calls visit(i, j, k) once, in lexicographic order, for every triple i < j < k whose three pairs
// are all in `graph`, and for every triple with a vertex marked in `far`, a vertex whose
// rounding may carry a candidate anywhere: all triples that start at one, and the others where
// every unmarked vertex after i is paired with i. (A candidate passes within the rounding of its
// first vertex, and of each other vertex's distance from it, of that vertex.)
template <class Visit>
void for_each_candidate_triple(const PairGraph& graph, const std::vector<char>& far, Visit&& visit) {
  if (std::find(far.begin(), far.end(), 1) == far.end()) {
    for_each_paired_triple(graph, visit);
    return;
  }
  const auto n = static_cast<std::uint32_t>(graph.size());
  std::vector<std::uint32_t> marked;
  for (std::uint32_t p = 0; p < n; ++p) {
    if (far[p]) marked.push_back(p);
  }
  std::vector<char> paired_with_i(graph.size(), 0);
  std::vector<std::pair<std::uint32_t, std::uint32_t>> later;  // (j, k) of the triples starting at i
  for (std::uint32_t i = 0; i < n; ++i) {
    later.clear();
    for (const std::uint32_t j : graph[i]) paired_with_i[j] = 1;
    for (const std::uint32_t j : graph[i]) {
      for (const std::uint32_t k : graph[j]) {
        if (paired_with_i[k]) later.emplace_back(j, k);
      }
    }
    for (const std::uint32_t j : graph[i]) paired_with_i[j] = 0;
    if (far[i]) {
      for (std::uint32_t j = i + 1; j < n; ++j) {
        for (std::uint32_t k = j + 1; k < n; ++k) later.emplace_back(j, k);
      }
    } else {
      for (auto m = std::upper_bound(marked.begin(), marked.end(), i); m != marked.end(); ++m) {
        for (const std::uint32_t partner : graph[i]) {
          if (partner != *m) later.emplace_back(std::min(partner, *m), std::max(partner, *m));
        }
        for (auto other = m + 1; other != marked.end(); ++other) later.emplace_back(*m, *other);
      }
    }
    std::sort(later.begin(), later.end());
    later.erase(std::unique(later.begin(), later.end()), later.end());
    for (const auto& [j, k] : later) visit(size_t{i}, size_t{j}, size_t{k});
  }
}

}  // namespace ombrix
