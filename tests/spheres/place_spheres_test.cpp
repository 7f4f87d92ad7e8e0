// Greedy placement over hand-made samples and candidates: the choice, the removals, the report.
#include "spheres/place_spheres.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "shared/recording_log.h"

namespace ombrix {
namespace {

SampleSphere sample(float x, float y, float z, float weight) { return {{x, y, z}, weight}; }
SpherePosition candidate(float x, float y, float z, float radius) { return {0.0f, {x, y, z}, radius}; }

constexpr Vector kExtents{100.0f, 100.0f, 100.0f};

struct Placement {
  std::vector<Sphere> spheres;
  ResultList results;
  RecordingLog log;
};

Placement place(std::vector<SampleSphere>& samples, std::vector<SpherePosition>& positions, size_t target,
                const Vector& extents = kExtents) {
  Placement placement;
  placement.spheres = place_spheres(samples, positions, target, extents, placement.results, placement.log);
  return placement;
}

TEST(PlaceSpheresChoice, EqualScoresKeepTheEarlierCandidate) {
  std::vector<SampleSphere> samples{sample(10, 0, 0, 0.5f), sample(-10, 0, 0, 0.5f)};
  std::vector<SpherePosition> positions{candidate(-10, 0, 0, 1), candidate(10, 0, 0, 1)};
  const Placement placement = place(samples, positions, 1);
  ASSERT_EQ(placement.spheres.size(), 1u);
  EXPECT_EQ(placement.spheres[0].x, -10.0f);
  // The other candidate and its sample are still there.
  ASSERT_EQ(positions.size(), 1u);
  EXPECT_EQ(positions[0].centre.x, 10.0f);
  ASSERT_EQ(samples.size(), 1u);
  EXPECT_EQ(samples[0].position.x, 10.0f);
}

TEST(PlaceSpheresChoice, HeavierSamplesBeatMoreSamples) {
  // Weight, not count, decides: three light samples lose to one far (heavy) sample.
  std::vector<SampleSphere> samples{sample(0, 0, 0, 0.1f), sample(0, 1, 0, 0.1f), sample(0, 2, 0, 0.1f),
                                    sample(50, 0, 0, 0.9f)};
  std::vector<SpherePosition> positions{candidate(0, 1, 0, 2), candidate(50, 0, 0, 1)};
  const Placement placement = place(samples, positions, 1);
  ASSERT_EQ(placement.spheres.size(), 1u);
  EXPECT_EQ(placement.spheres[0].x, 50.0f);
}

TEST(PlaceSpheresChoice, SampleExactlyAtTheRadiusIsCovered) {
  // (3, 4, 0) lies exactly 5 from the centre; (3, 4.001, 0) lies just beyond.
  std::vector<SampleSphere> samples{sample(3, 4, 0, 1), sample(3, 4.001f, 0, 1)};
  std::vector<SpherePosition> positions{candidate(0, 0, 0, 5)};
  const Placement placement = place(samples, positions, 1);
  ASSERT_EQ(placement.results.size(), 1u);
  EXPECT_EQ(placement.results[0].trimmed, 50.0f);
  ASSERT_EQ(samples.size(), 1u);
  EXPECT_EQ(samples[0].position.y, 4.001f);
}

TEST(PlaceSpheresChoice, LaterStepsScoreOnlyTheSamplesLeft) {
  // B scored 2 in the first step, but the first sphere takes both its samples: C, worth 1.5,
  // is the second sphere and B, covering nothing any more, is removed.
  std::vector<SampleSphere> samples{sample(0, 0, 0, 1), sample(1, 0, 0, 1), sample(2, 0, 0, 1), sample(10, 0, 0, 1.5f)};
  std::vector<SpherePosition> positions{candidate(1, 0, 0, 1), candidate(1.5f, 0, 0, 0.5f), candidate(10, 0, 0, 0.5f)};
  const Placement placement = place(samples, positions, 2);
  ASSERT_EQ(placement.spheres.size(), 2u);
  EXPECT_EQ(placement.spheres[0].x, 1.0f);
  EXPECT_EQ(placement.spheres[1].x, 10.0f);
  EXPECT_TRUE(positions.empty());
  EXPECT_TRUE(samples.empty());
}

TEST(PlaceSpheresEnd, SamplesRunOutBeforeTheTarget) {
  std::vector<SampleSphere> samples{sample(0, 0, 0, 0.5f), sample(1, 0, 0, 0.5f)};
  std::vector<SpherePosition> positions{candidate(0.5f, 0, 0, 1), candidate(0, 0, 0, 1), candidate(1, 0, 0, 1)};
  const Placement placement = place(samples, positions, 5);
  EXPECT_EQ(placement.spheres.size(), 1u);
  EXPECT_TRUE(positions.empty());             // the next step found nothing left to cover
  EXPECT_EQ(placement.log.lines.size(), 4u);  // no message for ending early
  EXPECT_EQ(placement.results.back().remaining, 0.0f);
}

TEST(PlaceSpheresEnd, TargetReachedWhileSamplesRemain) {
  std::vector<SampleSphere> samples{sample(0, 0, 0, 0.5f), sample(10, 0, 0, 0.5f), sample(20, 0, 0, 0.5f)};
  std::vector<SpherePosition> positions{candidate(0, 0, 0, 1), candidate(10, 0, 0, 1), candidate(20, 0, 0, 1)};
  const Placement placement = place(samples, positions, 2);
  ASSERT_EQ(placement.spheres.size(), 2u);
  EXPECT_EQ(samples.size(), 1u);
  EXPECT_FLOAT_EQ(placement.results.back().remaining, 100.0f / 3.0f);
}

TEST(PlaceSpheresEnd, CandidateCoveringOnlyWeightlessSamplesIsNeverPlaced) {
  // A sample at the box centre weighs 0: covering it is not worth a sphere.
  std::vector<SampleSphere> samples{sample(0, 0, 0, 0.0f)};
  std::vector<SpherePosition> positions{candidate(0, 0, 0, 1)};
  const Placement placement = place(samples, positions, 3);
  EXPECT_TRUE(placement.spheres.empty());
  EXPECT_TRUE(placement.results.empty());
  EXPECT_EQ(placement.log.texts(), std::vector<std::string>{"Filling Hull with spheres."});
}

TEST(PlaceSpheresEnd, NegativeRadiusAndNoSamplesRemoveEveryCandidate) {
  std::vector<SampleSphere> samples{sample(0, 0, 0, 0.5f)};
  std::vector<SpherePosition> positions{candidate(0, 0, 0, -1)};
  EXPECT_TRUE(place(samples, positions, 1).spheres.empty());
  EXPECT_TRUE(positions.empty());

  std::vector<SampleSphere> none;
  std::vector<SpherePosition> more{candidate(0, 0, 0, 5), candidate(1, 0, 0, 5)};
  const Placement placement = place(none, more, 2);
  EXPECT_TRUE(placement.results.empty());
  EXPECT_TRUE(more.empty());
}

TEST(PlaceSpheresReport, LinesRoundToOneDecimal) {
  // 1234 of 4000 samples covered: 30.85% and 69.15%, stored in single precision.
  std::vector<SampleSphere> samples(1234, sample(0, -12.5f, 3.21f, 1));
  samples.insert(samples.end(), 2766, sample(1000, 0, 0, 1));
  std::vector<SpherePosition> positions{candidate(0, -12.5f, 3.21f, 25.06f)};
  const Placement placement = place(samples, positions, 1);
  EXPECT_EQ(placement.log.texts(),
            (std::vector<std::string>{
                "Filling Hull with spheres.",
                "Sphere 1 coordinates: x: 0.0, y: -12.5, z: 3.2, radius: 25.1",
                "    Sphere 1 covers 30.9% of the hull volume. (69.2% remains).",
                "    Spheres set BBox is covering [x: 50.1%, y: 50.1%, z: 50.1%] of the Hull BBox.",
            }));
  for (const auto& line : placement.log.lines) EXPECT_EQ(line.stamp, Stamp::kStamped);
}

TEST(PlaceSpheresReport, NegativeZeroLosesItsSignButASmallNegativeKeepsIt) {
  std::vector<SampleSphere> samples{sample(-0.04f, 0, 0, 1)};
  std::vector<SpherePosition> positions{candidate(-0.04f, -0.0f, 0, 1)};
  const Placement placement = place(samples, positions, 1);
  EXPECT_EQ(placement.log.texts()[1], "Sphere 1 coordinates: x: -0.0, y: 0.0, z: 0.0, radius: 1.0");
}

TEST(PlaceSpheresReport, SetBoxCoverageOfOneSphere) {
  std::vector<SampleSphere> samples{sample(1, 0, 0, 0.5f)};
  std::vector<SpherePosition> positions{candidate(0, 0, 0, 10)};
  const Placement placement = place(samples, positions, 1, {40, 20, 20});
  EXPECT_EQ(placement.log.texts()[3],
            "    Spheres set BBox is covering [x: 50.0%, y: 100.0%, z: 100.0%] of the Hull BBox.");
  const SphereResult& row = placement.results[0];
  EXPECT_EQ(row.set_min_x, -10.0f);
  EXPECT_EQ(row.set_max_z, 10.0f);
  EXPECT_EQ(row.coverage_x, 50.0f);
}

TEST(PlaceSpheresReport, RowsCountSpheresAndTheSetBoxSpansAllOfThem) {
  std::vector<SampleSphere> samples{sample(0, 0, 0, 0.9f), sample(30, 0, 0, 0.5f)};
  std::vector<SpherePosition> positions{candidate(30, 0, 0, 5), candidate(0, 0, 0, 10)};
  ResultList results(1);  // rows of an earlier volume stay
  RecordingLog log;
  const std::vector<Sphere> spheres = place_spheres(samples, positions, 2, {40, 20, 20}, results, log);
  ASSERT_EQ(results.size(), 3u);
  const SphereResult& first = results[1];
  const SphereResult& second = results[2];
  EXPECT_EQ(first.number, 1);
  EXPECT_EQ(first.x, 0.0f);
  EXPECT_EQ(first.trimmed, 50.0f);
  EXPECT_EQ(first.remaining, 50.0f);
  EXPECT_EQ(second.number, 2);
  EXPECT_EQ(second.radius, 5.0f);
  EXPECT_EQ(second.remaining, 0.0f);
  EXPECT_EQ(second.set_min_x, -10.0f);
  EXPECT_EQ(second.set_max_x, 35.0f);
  EXPECT_EQ(second.set_min_y, -10.0f);
  EXPECT_EQ(second.coverage_x, 112.5f);
  EXPECT_EQ(second.coverage_y, 100.0f);
  EXPECT_EQ(log.texts()[4], "Sphere 2 coordinates: x: 30.0, y: 0.0, z: 0.0, radius: 5.0");
  ASSERT_EQ(spheres.size(), 2u);
  EXPECT_EQ(spheres[1].x, 30.0f);
}

}  // namespace
}  // namespace ombrix
