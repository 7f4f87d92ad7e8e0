// Sample points: which grid points stay, in which order, and with which weight.
#include "spheres/sample_hull.h"

#include <vector>

#include <gtest/gtest.h>

#include "support/box_volume.h"

namespace ombrix {
namespace {

using testing::box_volume;
using testing::centred_cube;

using Exclusions = std::vector<std::span<const Plane>>;

VolumeGrid sample_grid(const Volume& volume, float sample_resolution) {
  return volume_grid(volume.box, {7.0f, sample_resolution, 11, 0.0f});
}

TEST(SampleHullDepth, PointsAtLeastHalfAUnitDeepStayInGridOrder) {
  // Cube 0..2 sampled 4 a side: rows at 0.25, 0.75, 1.25, 1.75. Only the 8 inner points are
  // deeper than 0.5 (0.75); the others (0.25) pass the clearance 0.225 but round to 0.
  const Volume cube = box_volume({0, 0, 0}, {2, 2, 2});
  const std::vector<SampleSphere> samples = sample_hull(sample_grid(cube, 4.0f), cube.planes, {});
  ASSERT_EQ(samples.size(), 8u);
  const float expected[8][3] = {{0.75f, 0.75f, 0.75f}, {0.75f, 0.75f, 1.25f}, {0.75f, 1.25f, 0.75f},
                                {0.75f, 1.25f, 1.25f}, {1.25f, 0.75f, 0.75f}, {1.25f, 0.75f, 1.25f},
                                {1.25f, 1.25f, 0.75f}, {1.25f, 1.25f, 1.25f}};
  for (size_t i = 0; i < samples.size(); ++i) {
    EXPECT_EQ(samples[i].position.x, expected[i][0]) << i;
    EXPECT_EQ(samples[i].position.y, expected[i][1]) << i;
    EXPECT_EQ(samples[i].position.z, expected[i][2]) << i;
    // 0.433 from the centre, half the diagonal is 1.732.
    EXPECT_FLOAT_EQ(samples[i].weight, 0.25f) << i;
  }
}

TEST(SampleHullDepth, PointExactlyHalfAUnitDeepIsDropped) {
  // Cube 0..2 sampled 2 a side: every point lies exactly 0.5 deep, which rounds to 0 (halves
  // to even), although it is deeper than the clearance 0.45.
  const Volume cube = box_volume({0, 0, 0}, {2, 2, 2});
  EXPECT_TRUE(sample_hull(sample_grid(cube, 2.0f), cube.planes, {}).empty());
}

TEST(SampleHullDepth, PointsShallowerThanTheClearanceAreDropped) {
  // Cube -10..10 sampled 4 a side: rows at +-2.5 and +-7.5, all at least 2.5 deep, clearance 2.25.
  const Volume cube = centred_cube(10.0f);
  EXPECT_EQ(sample_hull(sample_grid(cube, 4.0f), cube.planes, {}).size(), 64u);
  // A hull plane at x = 7.6 leaves the points at x = 7.5 only 0.1 deep.
  Volume cut = cube;
  cut.planes[1].d = -7.6f;
  EXPECT_EQ(sample_hull(sample_grid(cut, 4.0f), cut.planes, {}).size(), 48u);
}

TEST(SampleHullWeight, CornerPointWeighsTheMostAndCentrePointNothing) {
  // Cube -3..3 sampled 3 a side: rows at -2, 0 and 2.
  const Volume cube = centred_cube(3.0f);
  const std::vector<SampleSphere> samples = sample_hull(sample_grid(cube, 3.0f), cube.planes, {});
  ASSERT_EQ(samples.size(), 27u);
  EXPECT_EQ(samples[13].position.x, 0.0f);
  EXPECT_EQ(samples[13].weight, 0.0f);
  EXPECT_FLOAT_EQ(samples[0].weight, 2.0f / 3.0f);  // sqrt(12) / (sqrt(108) / 2)
}

TEST(SampleHullExclusion, OnlyPointsMoreThanTheClearanceOutsideAnExcludedHullStay) {
  // Cube -10..10, rows at +-2.5 and +-7.5, clearance 2.25. The excluded box reaches down to
  // x = -0.25: the points at x = -2.5 lie exactly 2.25 outside it and are dropped too.
  const Volume cube = centred_cube(10.0f);
  const Volume excluded = box_volume({-0.25f, -20, -20}, {20, 20, 20});
  const Exclusions exclusions{excluded.planes};
  const std::vector<SampleSphere> samples = sample_hull(sample_grid(cube, 4.0f), cube.planes, exclusions);
  ASSERT_EQ(samples.size(), 16u);
  for (const SampleSphere& sample : samples) EXPECT_EQ(sample.position.x, -7.5f);
}

TEST(SampleHullExclusion, APointMustBeOutsideEveryExcludedHull) {
  const Volume cube = centred_cube(10.0f);
  const Volume left = box_volume({-20, -20, -20}, {-5, 20, 20});  // takes x = -7.5
  const Volume right = box_volume({5, -20, -20}, {20, 20, 20});   // takes x = 7.5
  const Exclusions exclusions{left.planes, right.planes};
  const std::vector<SampleSphere> samples = sample_hull(sample_grid(cube, 4.0f), cube.planes, exclusions);
  ASSERT_EQ(samples.size(), 32u);
  for (const SampleSphere& sample : samples) EXPECT_EQ(std::abs(sample.position.x), 2.5f);
}

}  // namespace
}  // namespace ombrix
