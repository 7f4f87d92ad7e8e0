// The helpers every hull plane and sphere radius is built from.
#include "geometry/plane.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <vector>

#include "support/test_files.h"

namespace ombrix {
namespace {

void expect_plane(const Plane& plane, float a, float b, float c, float d) {
  EXPECT_EQ(plane.a, a);
  EXPECT_EQ(plane.b, b);
  EXPECT_EQ(plane.c, c);
  EXPECT_EQ(plane.d, d);
}

TEST(PlaneFromPoints, NormalFollowsTheRightHandRule) {
  Plane plane;
  ASSERT_TRUE(plane_from_points({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, plane));
  expect_plane(plane, 0, 0, 1, 0);
  ASSERT_TRUE(plane_from_points({0, 0, 0}, {0, 1, 0}, {1, 0, 0}, plane));
  expect_plane(plane, 0, 0, -1, 0);
  ASSERT_TRUE(plane_from_points({0, 0, 5}, {1, 0, 5}, {0, 1, 5}, plane));
  expect_plane(plane, 0, 0, 1, -5);
}

TEST(PlaneFromPoints, DegenerateTriplesGiveFourZeros) {
  Plane plane{1, 2, 3, 4};
  EXPECT_FALSE(plane_from_points({0, 0, 0}, {1, 1, 1}, {2, 2, 2}, plane));  // collinear
  expect_plane(plane, 0, 0, 0, 0);
  plane = {1, 2, 3, 4};
  EXPECT_FALSE(plane_from_points({3, 1, 2}, {3, 1, 2}, {0, 1, 0}, plane));  // two coincide
  expect_plane(plane, 0, 0, 0, 0);
}

TEST(VectorHelpers, SubtractionGoesFromTheFirstToTheSecond) {
  Vector out;
  vector_from_to({1, 2, 3}, {4, 6, 8}, out);
  EXPECT_EQ(out.x, 3);
  EXPECT_EQ(out.y, 4);
  EXPECT_EQ(out.z, 5);
}

TEST(VectorHelpers, NormalizeReturnsTheLengthAndLeavesAZeroVectorAlone) {
  Vector v{3, 0, 4};
  EXPECT_EQ(normalize(v), 5.0f);
  EXPECT_EQ(v.x, 0.6f);
  EXPECT_EQ(v.y, 0.0f);
  EXPECT_EQ(v.z, 0.8f);
  Vector zero{0, 0, 0};
  EXPECT_EQ(normalize(zero), 0.0f);
  EXPECT_EQ(zero.x, 0.0f);
  // No tolerance: a tiny vector is still scaled.
  Vector tiny{1e-30f, 0, 0};
  EXPECT_GT(normalize(tiny), 0.0f);
  EXPECT_EQ(tiny.x, 1.0f);
}

TEST(InsideDepth, SmallestClearanceOrZeroAtTheFirstPlaneBelowTheLimit) {
  const std::vector<Plane> planes{{1, 0, 0, -10}, {-1, 0, 0, -10}, {0, 1, 0, -10}};
  EXPECT_EQ(inside_depth({0, 0, 0}, planes, 1.0f), 10.0f);
  EXPECT_EQ(inside_depth({7, 0, 0}, planes, 1.0f), 3.0f);
  EXPECT_EQ(inside_depth({9, 0, 0}, planes, 1.0f), 1.0f);  // equal to the limit: no early 0
  EXPECT_EQ(inside_depth({9.5f, 0, 0}, planes, 1.0f), 0.0f);
  EXPECT_EQ(inside_depth({0, 0, 0}, {}, 1.0f), std::numeric_limits<float>::infinity());
}

TEST(OutsideDistance, LargestValueBeyondBothTheLimitAndZero) {
  const std::vector<Plane> planes{{1, 0, 0, -10}, {-1, 0, 0, -10}};
  EXPECT_EQ(outside_distance({15, 0, 0}, planes, 1.0f), 5.0f);
  EXPECT_EQ(outside_distance({11, 0, 0}, planes, 1.0f), 0.0f);   // equal to the limit: ignored
  EXPECT_EQ(outside_distance({0, 0, 0}, planes, -20.0f), 0.0f);  // negative values never count
  EXPECT_EQ(outside_distance({0, 0, 0}, {}, 1.0f), 0.0f);
}

}  // namespace
}  // namespace ombrix
