// Finding what a sphere covers without a scan: the stretches, the rounding at their ends, and
// what taking samples out leaves behind.
#include "spheres/cover_index.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace ombrix {
namespace {

SampleSphere sample(float x, float y, float z, float weight = 1.0f) { return {{x, y, z}, weight}; }

TEST(CoverIndexReach, SamplesTheRoundingPullsIntoReachAreCovered) {
  // One row at x = 1 seen from the origin with radius 1: across the row the distance is 1, so
  // the row's reach along z is only the square root of the rounding left over (1.49e-8). Yet
  // at z = +-1.7e-8 the sum of squares rounds back to that reach and point_distance says 1:
  // covered. At +-1.9e-8 it rounds one step further: out of reach.
  const std::vector<SampleSphere> row{sample(1, 0, -0.5f), sample(1, 0, -1.9e-8f), sample(1, 0, -1.7e-8f),
                                      sample(1, 0, 0),     sample(1, 0, 1.7e-8f),  sample(1, 0, 1.9e-8f),
                                      sample(1, 0, 0.5f)};
  for (const SampleSphere& s : row) {
    EXPECT_EQ(point_distance(s.position, {0, 0, 0}) <= 1.0f, std::fabs(s.position.z) < 1.8e-8f) << s.position.z;
  }
  const Cover cover = CoverIndex(row).cover_of({0, 0, 0}, 1.0f);
  EXPECT_EQ(cover.count, 3u);
  EXPECT_EQ(cover.score, 3.0f);
}

TEST(CoverIndexReach, RadiusZeroOrBelowCoversOnlyWhatANegativeZeroAllows) {
  const std::vector<SampleSphere> samples{sample(0, 0, 0), sample(0, 0, 1e-30f)};
  const CoverIndex index(samples);
  EXPECT_EQ(index.cover_of({0, 0, 0}, -0.0f).count, 1u);  // a distance of 0 is <= -0
  EXPECT_EQ(index.cover_of({0, 0, 0}, -1.0f).count, 0u);
}

TEST(CoverIndexOrder, ScoreIsSummedInListOrderWhateverTheRuns) {
  // 1 + 2^-24 + 2^-24 rounds to 1 each time in list order; summed small first it would not.
  const float tiny = 1.0f / 16777216.0f;
  const std::vector<SampleSphere> samples{sample(0, 0, 0, 1.0f), sample(0, 0, 1, tiny), sample(0, 1, 0, tiny)};
  EXPECT_EQ(CoverIndex(samples).cover_of({0, 0, 0}, 2.0f).score, 1.0f);
}

TEST(CoverIndexTaking, TakenSamplesNoLongerCountAndTheListKeepsTheRestInOrder) {
  std::vector<SampleSphere> samples{sample(0, 0, 0), sample(0, 0, 1), sample(0, 0, 2), sample(5, 0, 0),
                                    sample(0, 0, 3, 0.5f)};
  CoverIndex index(samples);
  BBox taken;
  EXPECT_EQ(index.take_cover({0, 0, 0.5f}, 1.0f, taken), 2u);
  EXPECT_EQ(taken.min_z, 0.0f);
  EXPECT_EQ(taken.max_z, 1.0f);
  EXPECT_EQ(taken.max_x, 0.0f);
  EXPECT_EQ(index.left_count(), 3u);

  const Cover rest = index.cover_of({0, 0, 1.5f}, 1.5f);
  EXPECT_EQ(rest.count, 2u);
  EXPECT_EQ(rest.score, 1.5f);
  EXPECT_EQ(index.take_cover({0, 0, 0.5f}, 1.0f, taken), 0u);

  index.keep_left(samples);
  ASSERT_EQ(samples.size(), 3u);
  EXPECT_EQ(samples[0].position.z, 2.0f);
  EXPECT_EQ(samples[1].position.x, 5.0f);
  EXPECT_EQ(samples[2].position.z, 3.0f);
}

TEST(CoverIndexTaking, SamplesLeftStayExactAfterTheTakenOnesAreDropped) {
  // Once half the samples are taken they are dropped from the index, and again later: what is
  // left must still be found, scored and kept at its place in the list.
  std::vector<SampleSphere> samples{sample(0, 0, 0), sample(0, 0, 1),       sample(0, 0, 2, 0.25f), sample(0, 1, 0),
                                    sample(3, 0, 0), sample(3, 0, 1, 0.5f), sample(0, 1, 3)};
  CoverIndex index(samples);
  BBox taken;
  EXPECT_EQ(index.take_cover({0, 0, 0.5f}, 1.2f, taken), 3u);  // (0 0 0), (0 0 1), (0 1 0)
  EXPECT_EQ(index.take_cover({3, 0, 0}, 0.5f, taken), 1u);     // 3 of 7 left: dropped
  const Cover rest = index.cover_of({1.5f, 0.5f, 1}, 10.0f);
  EXPECT_EQ(rest.count, 3u);
  EXPECT_EQ(rest.score, 1.75f);
  EXPECT_EQ(index.take_cover({0, 0.5f, 2.5f}, 0.75f, taken), 2u);  // 1 of 3 left: dropped again
  EXPECT_EQ(taken.max_z, 3.0f);
  EXPECT_EQ(index.cover_of({3, 0, 1}, 0.0f).score, 0.5f);
  EXPECT_EQ(index.left_count(), 1u);

  index.keep_left(samples);
  ASSERT_EQ(samples.size(), 1u);
  EXPECT_EQ(samples[0].position.x, 3.0f);
  EXPECT_EQ(samples[0].position.z, 1.0f);
}

}  // namespace
}  // namespace ombrix
