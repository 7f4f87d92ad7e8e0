// Which vertex pairs the internal builder goes on to try: the pruning that makes it fast.
// Whether it stays exact is the differential test's job; this checks that it prunes at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "hull/own/candidate_pairs.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::box_corners;

std::vector<std::vector<size_t>> triples_of(const PairGraph& graph) {
  std::vector<std::vector<size_t>> triples;
  for_each_paired_triple(graph, [&](size_t i, size_t j, size_t k) { triples.push_back({i, j, k}); });
  return triples;
}

TEST(CandidatePairs, DeepVerticesPairWithNothingAndFaceCornersPairAcrossTheirFace) {
  // Cube from 0 to 10 (corners 0-7, x slowest, z fastest), then a point 3 deep (8) and one
  // 0.4 below the z = 10 face (9).
  std::vector<Vector> points = box_corners({0.0f, 0.0f, 0.0f}, {10.0f, 10.0f, 10.0f});
  points.push_back({5.0f, 5.0f, 3.0f});
  points.push_back({5.0f, 5.0f, 9.6f});
  const PairGraph graph = near_boundary_pairs(points, *compute_exact_hull(points), 0.5);

  ASSERT_EQ(graph.size(), points.size());
  EXPECT_TRUE(graph[8].empty());
  for (size_t p = 0; p < 8; ++p) EXPECT_EQ(std::count(graph[p].begin(), graph[p].end(), 8u), 0);
  // Corner (0, 0, 10) pairs with every later corner that shares a face with it and with the
  // shallow point, but not with (10, 10, 0) across the inside.
  EXPECT_EQ(graph[1], (std::vector<std::uint32_t>{2, 3, 4, 5, 7, 9}));
}

TEST(CandidatePairs, TriplesComeInLexicographicOrderOncePerTriangle) {
  // A complete graph on four vertices and an extra edge 3-4 that closes no triangle.
  const PairGraph graph{{1, 2, 3}, {2, 3}, {3}, {4}, {}};
  const std::vector<std::vector<size_t>> expected{{0, 1, 2}, {0, 1, 3}, {0, 2, 3}, {1, 2, 3}};
  EXPECT_EQ(triples_of(graph), expected);
}

}  // namespace
}  // namespace ombrix
