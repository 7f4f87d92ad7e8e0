// The frame the side test's boxes are measured in: its bound must hold for every point, and a
// model flat on a slant must get a frame that is thin across it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "hull/own/box_frame.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

// How far `point` lies from where its frame coordinates place it.
double misplacement(const BoxFrame& frame, const Vector& point) {
  const std::array<double, 3> t = frame_coordinates(frame, point);
  double squared = 0.0;
  for (int k = 0; k < 3; ++k) {
    const double placed = frame.origin[k] + t[0] * frame.axes[0][k] + t[1] * frame.axes[1][k] + t[2] * frame.axes[2][k];
    const double actual = k == 0 ? point.x : k == 1 ? point.y : point.z;
    squared += (actual - placed) * (actual - placed);
  }
  return std::sqrt(squared);
}

TEST(BoxFrame, ModelFlatOnASlantGetsAFrameThinAcrossIt) {
  // A 13 by 9 grid on the plane through (3, -2, 7) spanned by (0.6, 0.8, 0) and (-0.48, 0.36, 0.8):
  // thick in every coordinate axis, thin only across the plane.
  std::vector<Vector> points;
  for (int s = 0; s < 13; ++s) {
    for (int t = 0; t < 9; ++t) {
      points.push_back({static_cast<float>(3.0 + 0.6 * s * 5 - 0.48 * t * 5),
                        static_cast<float>(-2.0 + 0.8 * s * 5 + 0.36 * t * 5), static_cast<float>(7.0 + 0.8 * t * 5)});
    }
  }
  const BoxFrame frame = choose_box_frame(points);
  std::array<double, 3> low{INFINITY, INFINITY, INFINITY};
  std::array<double, 3> high{-INFINITY, -INFINITY, -INFINITY};
  for (const Vector& point : points) {
    EXPECT_LE(misplacement(frame, point), frame.residual);
    const std::array<double, 3> t = frame_coordinates(frame, point);
    for (int k = 0; k < 3; ++k) {
      low[k] = std::min(low[k], t[k]);
      high[k] = std::max(high[k], t[k]);
    }
  }
  EXPECT_GT(frame.residual, 0.0);
  const double thinnest = std::min({high[0] - low[0], high[1] - low[1], high[2] - low[2]});
  EXPECT_LT(thinnest, 1e-4);  // float rounding of the grid only
}

TEST(BoxFrame, BoxLikeModelKeepsTheExactCoordinateAxes) {
  // A car-sized box with a point on each face: the principal axes would not be thinner.
  std::vector<Vector> points = testing::box_corners({-40.0f, -15.0f, -20.0f}, {40.0f, 15.0f, 20.0f});
  points.push_back({0.0f, 15.0f, 3.0f});
  points.push_back({10.0f, -15.0f, -2.0f});
  const BoxFrame frame = choose_box_frame(points);
  EXPECT_EQ(frame.residual, 0.0);
  EXPECT_EQ(frame.axes, (BoxFrame{}.axes));
  for (const Vector& point : points) EXPECT_EQ(misplacement(frame, point), 0.0);
}

}  // namespace
}  // namespace ombrix
