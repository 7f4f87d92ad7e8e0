// The box around a model's vertices: what the hull file stores and the sphere grids span.
#include "model/vertex_box.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/test_files.h"

namespace ombrix {
namespace {

TEST(BBoxOfVertices, OneVertexGivesAPointAndNoneLeavesTheBoxAlone) {
  const std::vector<Vector> one{{1, -2, 3}};
  BBox box;
  ASSERT_TRUE(bbox_of_vertices(box, testing::vertices_of(one)));
  EXPECT_EQ(box.min_x, 1);
  EXPECT_EQ(box.max_x, 1);
  EXPECT_EQ(box.min_y, -2);
  EXPECT_EQ(box.max_z, 3);
  BBox untouched{9, 9, 9, 9, 9, 9};
  EXPECT_FALSE(bbox_of_vertices(untouched, {}));
  EXPECT_EQ(untouched.min_x, 9);
}

TEST(BBoxOfVertices, SpansEveryAxis) {
  const std::vector<Vector> points{{1, 5, -1}, {-3, 2, 4}, {2, -6, 0}};
  BBox box;
  ASSERT_TRUE(bbox_of_vertices(box, testing::vertices_of(points)));
  EXPECT_EQ(box.min_x, -3);
  EXPECT_EQ(box.max_x, 2);
  EXPECT_EQ(box.min_y, -6);
  EXPECT_EQ(box.max_y, 5);
  EXPECT_EQ(box.min_z, -1);
  EXPECT_EQ(box.max_z, 4);
}

}  // namespace
}  // namespace ombrix
