// Candidate spheres: which centres stay and how large their radius is.
#include "spheres/lay_out_candidates.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "support/box_volume.h"

namespace ombrix {
namespace {

using testing::box_volume;
using testing::centred_cube;

using Exclusions = std::vector<std::span<const Plane>>;

VolumeGrid candidate_grid(const Volume& volume, float grid_resolution, float overshoot = 0.0f) {
  return volume_grid(volume.box, {grid_resolution, 21.0f, 11, overshoot});
}

TEST(LayOutCandidates, RadiusIsTheDepthBelowTheNearestFace) {
  // Cube -10..10 with grid 3: centres at -6.67, 0 and 6.67 on each axis, clearance 3.3.
  const Volume cube = centred_cube(10.0f);
  const std::vector<SpherePosition> positions = lay_out_candidates(candidate_grid(cube, 3.0f), cube.planes, {});
  ASSERT_EQ(positions.size(), 27u);
  EXPECT_EQ(positions[13].centre.x, 0.0f);
  EXPECT_EQ(positions[13].radius, 10.0f);
  EXPECT_EQ(positions[13].score, 0.0f);
  // x slowest, z fastest: the second candidate differs from the first in z only.
  EXPECT_EQ(positions[0].centre.x, positions[1].centre.x);
  EXPECT_EQ(positions[0].centre.y, positions[1].centre.y);
  EXPECT_EQ(positions[1].centre.z, 0.0f);
  EXPECT_FLOAT_EQ(positions[0].radius, 10.0f - 20.0f / 3.0f);
}

TEST(LayOutCandidates, CentreShallowerThanTheClearanceIsDropped) {
  // A face at x = 9.9 leaves the centres at x = 6.67 3.23 deep, below the clearance 3.3.
  Volume cube = centred_cube(10.0f);
  cube.planes[1].d = -9.9f;
  EXPECT_EQ(lay_out_candidates(candidate_grid(cube, 3.0f), cube.planes, {}).size(), 18u);
}

TEST(LayOutCandidates, OvershootIsAddedToEveryRadius) {
  // Cube 0..50 with grid 1: one candidate at the centre, 25 deep; 10% of 50 adds 5.
  const Volume cube = box_volume({0, 0, 0}, {50, 50, 50});
  const std::vector<SpherePosition> positions = lay_out_candidates(candidate_grid(cube, 1.0f, 10.0f), cube.planes, {});
  ASSERT_EQ(positions.size(), 1u);
  EXPECT_EQ(positions[0].radius, 30.0f);
}

TEST(LayOutCandidates, NegativeOvershootLeavesANegativeRadius) {
  const Volume cube = box_volume({0, 0, 0}, {50, 50, 50});
  const std::vector<SpherePosition> positions = lay_out_candidates(candidate_grid(cube, 1.0f, -62.5f), cube.planes, {});
  ASSERT_EQ(positions.size(), 1u);
  EXPECT_EQ(positions[0].radius, -6.25f);
}

TEST(LayOutCandidatesExclusion, CentresNearOrInsideAnExcludedHullAreDropped) {
  // The excluded box covers x >= -3: only the row at x = -6.67 lies more than 3.3 outside it.
  const Volume cube = centred_cube(10.0f);
  const Volume excluded = box_volume({-3, -20, -20}, {20, 20, 20});
  const Exclusions exclusions{excluded.planes};
  const std::vector<SpherePosition> positions = lay_out_candidates(candidate_grid(cube, 3.0f), cube.planes, exclusions);
  ASSERT_EQ(positions.size(), 9u);
  for (const SpherePosition& position : positions) {
    EXPECT_FLOAT_EQ(position.centre.x, -20.0f / 3.0f);
    EXPECT_FLOAT_EQ(position.radius, 10.0f - 20.0f / 3.0f);  // 3.33 fits the 3.67 of room
  }
}

TEST(LayOutCandidatesExclusion, OvershootIsCutBackToTheRoomOutsideTheExcludedHull) {
  // As above with 10% overshoot: 3.33 + 2 exceeds the 3.67 between centre and excluded face.
  const Volume cube = centred_cube(10.0f);
  const Volume excluded = box_volume({-3, -20, -20}, {20, 20, 20});
  const Exclusions exclusions{excluded.planes};
  const std::vector<SpherePosition> positions =
      lay_out_candidates(candidate_grid(cube, 3.0f, 10.0f), cube.planes, exclusions);
  ASSERT_EQ(positions.size(), 9u);
  for (const SpherePosition& position : positions) EXPECT_FLOAT_EQ(position.radius, 20.0f / 3.0f - 3.0f);
}

TEST(LayOutCandidatesExclusion, RoomIsTheFarthestExcludedPlaneNotTheNearest) {
  // The middle candidate (0, 0, 0), 10 deep, lies 4 beyond the excluded box's face at x = 4 and
  // 6 beyond its face at y = 6: its radius is cut to 6, how far it surely lies outside that box.
  const Volume cube = centred_cube(10.0f);
  const Volume excluded = box_volume({4, 6, -50}, {50, 50, 50});
  const Exclusions exclusions{excluded.planes};
  const std::vector<SpherePosition> positions = lay_out_candidates(candidate_grid(cube, 3.0f), cube.planes, exclusions);
  const auto middle = std::find_if(positions.begin(), positions.end(), [](const SpherePosition& p) {
    return p.centre.x == 0.0f && p.centre.y == 0.0f && p.centre.z == 0.0f;
  });
  ASSERT_NE(middle, positions.end());
  EXPECT_EQ(middle->radius, 6.0f);
}

}  // namespace
}  // namespace ombrix
