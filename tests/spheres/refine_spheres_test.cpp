// The refinement after the greedy placement on small hulls built here: more cover, the same
// rules, the same answer every time.
#include "spheres/refine_spheres.h"

#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "geometry/plane.h"
#include "shared/recording_log.h"
#include "spheres/fill_parameters.h"
#include "spheres/place_spheres.h"
#include "spheres/sample_hull.h"
#include "spheres/sphere_work.h"
#include "support/box_volume.h"

namespace ombrix {
namespace {

using testing::box_volume;

// One volume's greedy spheres and what the refinement made of them.
struct Refined {
  std::vector<Sphere> greedy;
  std::vector<Sphere> spheres;
  Refinement refinement;
  std::vector<SampleSphere> samples;  // all of them, as laid out
};

Refined refine(const Volume& volume, std::size_t target, float overshoot = 0.0f, double allowance = kMostSphereWork) {
  const VolumeGrid grid = volume_grid(volume.box, {7.0f, 21.0f, 0, overshoot});
  std::vector<std::span<const Plane>> exclusions;
  for (const Volume& excluded : volume.excluded) exclusions.push_back(excluded.planes);
  const VolumePlanes planes{volume.planes, exclusions};

  Refined refined;
  refined.samples = sample_hull(grid, volume.planes, exclusions);
  std::vector<SpherePosition> positions = lay_out_candidates(grid, volume.planes, exclusions);
  const std::vector<SpherePosition> candidates = positions;
  std::optional<CoverCounts> counts = CoverCounts::on_grid(refined.samples, grid);
  EXPECT_TRUE(counts);
  if (!counts) return refined;

  std::vector<SampleSphere> left = refined.samples;
  ResultList results;
  RecordingLog log;
  refined.greedy = place_spheres(left, positions, target, box_extents(volume.box), results, log);
  refined.spheres = refined.greedy;
  refined.refinement = refine_spheres(refined.spheres, *counts, candidates, grid, planes, allowance);
  EXPECT_EQ(refined.refinement.greedy_covered, refined.samples.size() - left.size());
  return refined;
}

// Counted the plain way, every sample against every sphere.
std::size_t covered(const std::vector<SampleSphere>& samples, const std::vector<Sphere>& spheres) {
  std::size_t count = 0;
  for (const SampleSphere& sample : samples) {
    for (const Sphere& sphere : spheres) {
      if (point_distance(sample.position, {sphere.x, sphere.y, sphere.z}) <= sphere.radius) {
        ++count;
        break;
      }
    }
  }
  return count;
}

// A wedge: the box from (0, 0, 0) to (60, 30, 40) cut by a slanted roof through (0, 30) and
// (60, 10) in x and y.
Volume wedge() {
  Volume volume = box_volume({0, 0, 0}, {60, 30, 40});
  const float nx = 20.0f / 63.245553f;
  const float ny = 60.0f / 63.245553f;
  volume.planes.push_back({nx, ny, 0, -30.0f * ny});
  return volume;
}

TEST(RefineSpheresCover, CoversMoreThanTheGreedyWithTheSameSpheresCount) {
  for (const std::size_t target : {1u, 3u, 11u}) {
    SCOPED_TRACE(target);
    const Refined refined = refine(wedge(), target);
    ASSERT_EQ(refined.spheres.size(), refined.greedy.size());
    EXPECT_GT(refined.refinement.refined_covered, refined.refinement.greedy_covered);
    // The counts kept move by move agree with a count from scratch.
    EXPECT_EQ(refined.refinement.refined_covered, covered(refined.samples, refined.spheres));
  }
}

TEST(RefineSpheresRules, EverySphereKeepsTheGreedyRadiusRule) {
  // With an overshoot every sphere reaches that far out of the nearest plane, and no further.
  const Volume volume = wedge();
  const VolumeGrid grid = volume_grid(volume.box, {7.0f, 21.0f, 0, 10.0f});
  const Refined refined = refine(volume, 6, 10.0f);
  for (const Sphere& sphere : refined.spheres) {
    const Vector centre{sphere.x, sphere.y, sphere.z};
    EXPECT_GT(sphere.radius, 0.0f);
    EXPECT_EQ(sphere.radius, candidate_radius(centre, {volume.planes, {}}, grid));
    EXPECT_LE(sphere.radius, inside_depth(centre, volume.planes, 0.0f) + grid.overshoot + 1e-4f);
  }
}

TEST(RefineSpheresRules, ExcludedVolumesStayFree) {
  // A slab through the middle, and a block that fills all but a corner of the box.
  Volume slab = box_volume({0, 0, 0}, {60, 30, 40});
  slab.excluded.push_back(box_volume({28, -1, -1}, {32, 31, 41}));
  Volume block = box_volume({0, 0, 0}, {60, 30, 40});
  block.excluded.push_back(box_volume({12, -1, -1}, {61, 31, 41}));
  for (const Volume& volume : {slab, block}) {
    const Refined refined = refine(volume, 5);
    ASSERT_FALSE(refined.spheres.empty());
    EXPECT_GE(refined.refinement.refined_covered, refined.refinement.greedy_covered);
    for (const Sphere& sphere : refined.spheres) {
      EXPECT_LE(sphere.radius, outside_distance({sphere.x, sphere.y, sphere.z}, volume.excluded[0].planes, 0.0f));
    }
  }
}

TEST(RefineSpheresRules, SameInputGivesTheSameSpheres) {
  const Refined first = refine(wedge(), 11);
  const Refined second = refine(wedge(), 11);
  ASSERT_EQ(first.spheres.size(), second.spheres.size());
  for (std::size_t i = 0; i < first.spheres.size(); ++i) {
    EXPECT_EQ(first.spheres[i].x, second.spheres[i].x);
    EXPECT_EQ(first.spheres[i].y, second.spheres[i].y);
    EXPECT_EQ(first.spheres[i].z, second.spheres[i].z);
    EXPECT_EQ(first.spheres[i].radius, second.spheres[i].radius);
  }
}

TEST(RefineSpheresEdges, NoWorkLeftKeepsTheGreedySpheres) {
  const Refined refined = refine(wedge(), 11, 0.0f, 0.0);
  ASSERT_EQ(refined.spheres.size(), refined.greedy.size());
  for (std::size_t i = 0; i < refined.spheres.size(); ++i) EXPECT_EQ(refined.spheres[i].x, refined.greedy[i].x);
  EXPECT_EQ(refined.refinement.refined_covered, refined.refinement.greedy_covered);
}

TEST(RefineSpheresEdges, FewerSpheresThanAskedStayFewer) {
  // A cube has 7 x 7 x 7 candidates: the greedy covers every sample long before 500 spheres.
  const Refined refined = refine(box_volume({0, 0, 0}, {10, 10, 10}), 500);
  ASSERT_LT(refined.greedy.size(), 343u);
  EXPECT_EQ(refined.spheres.size(), refined.greedy.size());
  EXPECT_EQ(refined.refinement.refined_covered, refined.samples.size());
}

TEST(RefineSpheresEdges, NoSamplesGiveNoSpheresAndNoCover) {
  // A thin plate: no sample point lies more than half a unit deep.
  const Refined refined = refine(box_volume({0, 0, 0}, {40, 40, 0.9f}), 5);
  EXPECT_TRUE(refined.samples.empty());
  EXPECT_TRUE(refined.spheres.empty());
  EXPECT_EQ(refined.refinement.refined_covered, 0u);
}

TEST(CoverCountsGrid, RefusesSamplesOffTheSampleGrid) {
  const Volume volume = box_volume({0, 0, 0}, {10, 10, 10});
  const VolumeGrid grid = volume_grid(volume.box, {7.0f, 21.0f, 0, 0.0f});
  std::vector<SampleSphere> samples = sample_hull(grid, volume.planes, {});
  EXPECT_TRUE(CoverCounts::on_grid(samples, grid));
  samples[3].position.y += 0.01f;
  EXPECT_FALSE(CoverCounts::on_grid(samples, grid));
}

}  // namespace
}  // namespace ombrix
