// The exact hull that the internal builder prunes with: its depths, and its quiet refusals.
#include <gtest/gtest.h>

#include <vector>

#include "hull/qhull/exact_hull.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::box_corners;

TEST(ExactHullDepths, CornersAreOnTheHullAndAnInnerPointIsAsDeepAsItsNearestFace) {
  // Cube from 0 to 10 with one point 3 inside its x = 10 face; a flipped sign or a depth
  // taken from the farthest face instead of the nearest would show here.
  std::vector<Vector> points = box_corners({0.0f, 0.0f, 0.0f}, {10.0f, 10.0f, 10.0f});
  points.push_back({7.0f, 5.0f, 5.0f});

  const std::optional<ExactHull> hull = compute_exact_hull(points);
  ASSERT_TRUE(hull.has_value());
  EXPECT_EQ(hull->facets.size(), 6u);  // coplanar facets merged: one per face
  ASSERT_EQ(hull->depths.size(), points.size());
  for (size_t corner = 0; corner < 8; ++corner) EXPECT_NEAR(hull->depths[corner], 0.0, 1e-12);
  EXPECT_NEAR(hull->depths[8], 3.0, 1e-12);
  EXPECT_LT(hull->error, 1e-12);
}

TEST(ExactHullRefusals, FewerThanFourPointsOrAFlatModelGiveNoHullAndPrintNothing) {
  // Qhull reports a flat input on its error stream; the tool's output must not carry it.
  const std::vector<Vector> flat{{0, 0, 2}, {4, 0, 2}, {0, 4, 2}, {4, 4, 2}, {2, 1, 2}};
  const std::vector<Vector> three{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
  ::testing::internal::CaptureStdout();
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(compute_exact_hull(flat).has_value());
  EXPECT_FALSE(compute_exact_hull(three).has_value());
  EXPECT_FALSE(compute_exact_hull({}).has_value());
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
}

}  // namespace
}  // namespace ombrix
