// The sample and candidate grids of a box: counts, spacings, clearances and coordinates.
#include "spheres/volume_grid.h"

#include <gtest/gtest.h>

namespace ombrix {
namespace {

FillParameters defaults() { return {7.0f, 21.0f, 11, 0.0f}; }

// 100 x 50 x 80, centred on the origin.
constexpr BBox kBox100x50x80{-50.0f, 50.0f, -25.0f, 25.0f, -40.0f, 40.0f};

TEST(VolumeGridCounts, Box100By50By80WithDefaultParameters) {
  const VolumeGrid grid = volume_grid(kBox100x50x80, defaults());

  EXPECT_EQ(grid.smallest_extent, 50.0f);
  EXPECT_FLOAT_EQ(grid.nominal_spacing, 7.142857f);
  EXPECT_EQ(grid.half_count, 3);
  EXPECT_FLOAT_EQ(grid.candidate_spacing, 7.142857f);
  EXPECT_FLOAT_EQ(grid.candidate_clearance, 3.535714f);
  EXPECT_FLOAT_EQ(grid.sample_spacing, 2.3809524f);
  EXPECT_FLOAT_EQ(grid.sample_clearance, 1.0714285f);

  EXPECT_EQ(grid.axes[0].candidate_count, 13);
  EXPECT_EQ(grid.axes[1].candidate_count, 7);
  EXPECT_EQ(grid.axes[2].candidate_count, 11);
  EXPECT_EQ(grid.axes[0].candidate_half_count, 6);
  EXPECT_EQ(grid.sphere_positions, 13.0 * 7 * 11);

  EXPECT_EQ(grid.axes[0].sample_count, 42);
  EXPECT_EQ(grid.axes[1].sample_count, 21);
  EXPECT_EQ(grid.axes[2].sample_count, 33);
  EXPECT_EQ(grid.sample_points, 42.0 * 21 * 33);
}

TEST(VolumeGridCounts, SampleQuotientIsRoundedToSinglePrecisionBeforeFloor) {
  // For a cube of 10, 10 / u is 20.99999994 in double precision: floor alone would give 20.
  const VolumeGrid grid = volume_grid({0.0f, 10.0f, 0.0f, 10.0f, 0.0f, 10.0f}, defaults());
  EXPECT_EQ(grid.axes[0].sample_count, 21);
}

TEST(VolumeGridCounts, BoxOffTheOriginWithSwappedBoundsGivesPositiveExtents) {
  const VolumeGrid grid = volume_grid({10.0f, 110.0f, -5.0f, 45.0f, 100.0f, 20.0f}, defaults());
  // A box given with min and max swapped on z still has a positive extent.
  EXPECT_EQ(grid.axes[2].extent, 80.0f);
  EXPECT_EQ(grid.axes[0].centre, 60.0f);
  EXPECT_EQ(grid.axes[1].centre, 20.0f);
  EXPECT_FLOAT_EQ(grid.half_diagonal, 68.73864f);  // sqrt(100² + 50² + 80²) / 2
}

TEST(VolumeGridCounts, EvenGridResolutionGivesTheNextOddCount) {
  FillParameters eight = defaults();
  eight.grid_resolution = 8.0f;
  FillParameters nine = defaults();
  nine.grid_resolution = 9.0f;
  const VolumeGrid even = volume_grid(kBox100x50x80, eight);
  const VolumeGrid odd = volume_grid(kBox100x50x80, nine);

  EXPECT_EQ(even.half_count, 4);
  EXPECT_EQ(even.axes[1].candidate_count, 9);  // across the smallest extent
  EXPECT_EQ(even.candidate_spacing, odd.candidate_spacing);
  EXPECT_FLOAT_EQ(even.candidate_spacing, 50.0f / 9.0f);
}

TEST(VolumeGridCoordinates, CandidatesAreSymmetricAboutACentredBox) {
  // With a cube of 100 the spacing is not exact: stepping the whole row from its first
  // candidate would put the last one off the mirror image of the first.
  const VolumeGrid grid = volume_grid({-50.0f, 50.0f, -50.0f, 50.0f, -50.0f, 50.0f}, defaults());
  for (int axis = 0; axis < 3; ++axis) {
    const std::int64_t count = grid.axes[axis].candidate_count;
    ASSERT_EQ(count, 7);
    for (std::int64_t i = 0; i < count; ++i) {
      EXPECT_EQ(candidate_coordinate(grid, axis, i), -candidate_coordinate(grid, axis, count - 1 - i))
          << "axis " << axis << ", index " << i;
    }
    EXPECT_EQ(candidate_coordinate(grid, axis, 3), 0.0f);
  }
}

TEST(VolumeGridCoordinates, MiddleCandidateIsExactlyTheBoxCentre) {
  const VolumeGrid grid = volume_grid({3.7f, 91.3f, -12.1f, 40.9f, 0.3f, 77.7f}, defaults());
  EXPECT_EQ(candidate_coordinate(grid, 0, grid.axes[0].candidate_half_count), grid.axes[0].centre);
  EXPECT_EQ(candidate_coordinate(grid, 1, grid.axes[1].candidate_half_count), grid.axes[1].centre);
  EXPECT_EQ(candidate_coordinate(grid, 2, grid.axes[2].candidate_half_count), grid.axes[2].centre);
  EXPECT_EQ(grid.axes[0].centre, 47.5f);
}

TEST(VolumeGridCoordinates, SampleRowIsCentredInTheBox) {
  const VolumeGrid grid = volume_grid(kBox100x50x80, defaults());
  const float first = sample_coordinate(grid, 0, 0);
  const float last = sample_coordinate(grid, 0, 41);
  EXPECT_FLOAT_EQ(first, -50.0f + (100.0f - 41 * 2.3809524f) / 2);
  EXPECT_NEAR(first, -last, 1e-5);
  EXPECT_FLOAT_EQ(sample_coordinate(grid, 1, 0), -25.0f + (50.0f - 20 * 2.3809524f) / 2);
}

}  // namespace
}  // namespace ombrix
