// The tool's sphere stage against the literal one: the same samples, candidates, spheres, result
// rows and log lines, bit for bit. Every family is drawn from a fixed seed, so a failure names a
// case that can be rebuilt.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "hull/own/own_hull.h"
#include "model/vertex_box.h"
#include "record/collision_data.h"
#include "reference/literal_spheres.h"
#include "reference/sphere_comparison.h"
#include "shared/recording_log.h"
#include "spheres/fill_parameters.h"
#include "spheres/fill_spheres.h"
#include "support/box_volume.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

// std::mt19937's sequence is fixed by the standard, the library's distributions are not.
double uniform(std::mt19937& random, double low, double high) { return low + (high - low) * (random() / 4294967296.0); }

template <typename T, size_t N>
const T& pick(std::mt19937& random, const T (&choices)[N]) {
  return choices[random() % N];
}

Vector point_between(std::mt19937& random, const Vector& low, const Vector& high) {
  return {static_cast<float>(uniform(random, low.x, high.x)), static_cast<float>(uniform(random, low.y, high.y)),
          static_cast<float>(uniform(random, low.z, high.z))};
}

// The hull of `points` as a run builds it: their box and the tool's own hull planes.
Volume hull_volume(const std::vector<Vector>& points) {
  const VertexList vertices = testing::vertices_of(points);
  Volume volume;
  bbox_of_vertices(volume.box, vertices);
  RecordingLog ignored;
  build_own_hull(volume.planes, vertices, ignored);
  return volume;
}

// A hull inside the box from `low` to `high`: a cloud of points, points near an ellipsoid (a
// car body's gentle curves, where many planes decide), or the box itself, whose grids are
// symmetric and so full of candidates that tie.
Volume generated_hull(std::mt19937& random, const Vector& low, const Vector& high) {
  const int shape = static_cast<int>(random() % 3);
  if (shape == 2) return testing::box_volume(low, high);
  std::vector<Vector> points = testing::box_corners(low, high);
  if (shape == 0) {
    points.resize(2);  // two opposite corners keep the box
    const size_t count = 4 + random() % 20;
    while (points.size() < count) points.push_back(point_between(random, low, high));
  } else {
    points.clear();
    const Vector centre{(low.x + high.x) / 2, (low.y + high.y) / 2, (low.z + high.z) / 2};
    for (size_t n = 0; n < 24; ++n) {
      const double z = uniform(random, -1.0, 1.0);
      const double angle = uniform(random, 0.0, 6.283185307179586);
      const double ring = std::sqrt(1.0 - z * z);
      points.push_back({static_cast<float>(centre.x + (high.x - centre.x) * ring * std::cos(angle)),
                        static_cast<float>(centre.y + (high.y - centre.y) * ring * std::sin(angle)),
                        static_cast<float>(centre.z + (high.z - centre.z) * z)});
    }
  }
  return hull_volume(points);
}

struct SphereCase {
  CollisionData data;
  FieldValues fields;
};

// A plane with a field that is not finite, as a damaged hull could hold: its values are infinite
// or not a number, and the rules of inside_depth and outside_distance decide what they do.
void add_plane_out_of_range(std::mt19937& random, std::vector<Plane>& planes) {
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  const Plane kPlanes[] = {
      {std::nanf(""), 0, 0, 0}, {kInfinity, 0, 0, -1}, {0, 1, 0, -kInfinity}, {0, 0, -kInfinity, 5}};
  planes.push_back(pick(random, kPlanes));
}

// One to three main volumes, each with up to two excluded volumes overlapping it (now and then
// one without planes, which is ignored), at sizes from below the 0.5 depth that samples need up
// to a few hundred units, some far from the origin or with a corner on it; now and then a hull
// with a plane out of range.
SphereCase generated_case(std::mt19937& random, size_t number) {
  constexpr double kSizes[] = {0.6, 2.0, 5.0, 20.0, 90.0, 400.0};
  constexpr double kOffsets[] = {0.0, 0.0, 3.0, 250.0, 20000.0};
  constexpr const char* kGrids[] = {"1", "2", "3", "3.5", "4", "5", "6", "8"};
  constexpr const char* kSamplings[] = {"2", "3", "4.5", "6", "7", "8", "9"};
  constexpr const char* kTargets[] = {"1", "2", "3", "6", "11", "25", "400", "", "-3"};
  constexpr const char* kOvershoots[] = {"0", "0", "0", "10", "-20", "150"};

  SphereCase result;
  const size_t volumes = number % 5 == 4 ? 2 + random() % 2 : 1;
  for (size_t v = 0; v < volumes; ++v) {
    const double size = pick(random, kSizes);
    const double offset = pick(random, kOffsets);
    const Vector low = number % 7 == 3 ? Vector{} : point_between(random, {0, 0, 0}, {1, 1, 1});
    const Vector corner{static_cast<float>(low.x * offset), static_cast<float>(low.y * offset + 3 * size * v),
                        static_cast<float>(low.z * offset)};
    const Vector extent{static_cast<float>(size * uniform(random, 0.4, 2.5)), static_cast<float>(size),
                        static_cast<float>(size * uniform(random, 0.5, 3.0))};
    const Vector high{corner.x + extent.x, corner.y + extent.y, corner.z + extent.z};
    Volume volume = generated_hull(random, corner, high);

    for (size_t e = random() % 5 < 2 ? 1 + random() % 2 : 0; e > 0; --e) {
      if (random() % 10 == 0) {
        volume.excluded.emplace_back();
        continue;
      }
      const Vector middle = point_between(random, corner, high);
      const Vector half{static_cast<float>(extent.x * uniform(random, 0.1, 0.5)),
                        static_cast<float>(extent.y * uniform(random, 0.1, 0.5)),
                        static_cast<float>(extent.z * uniform(random, 0.1, 0.5))};
      volume.excluded.push_back(generated_hull(random, {middle.x - half.x, middle.y - half.y, middle.z - half.z},
                                               {middle.x + half.x, middle.y + half.y, middle.z + half.z}));
      if (random() % 12 == 0) add_plane_out_of_range(random, volume.excluded.back().planes);
    }
    if (random() % 12 == 0) add_plane_out_of_range(random, volume.planes);
    result.data.volumes.push_back(std::move(volume));
  }
  result.fields = FieldValues({{Field::kGridResolution, pick(random, kGrids)},
                               {Field::kSampleResolution, pick(random, kSamplings)},
                               {Field::kTargetSpheres, pick(random, kTargets)},
                               {Field::kOvershoot, pick(random, kOvershoots)}});
  return result;
}

std::string describe(const SphereCase& sphere_case) {
  std::string text = std::to_string(sphere_case.data.volumes.size()) + " volumes, fields";
  for (Field field : {Field::kGridResolution, Field::kSampleResolution, Field::kTargetSpheres, Field::kOvershoot}) {
    text += " '" + sphere_case.fields.field_text(field) + "'";
  }
  return text;
}

// The samples and candidates of each main volume that gets them, stage by stage.
void expect_same_grid_points(const SphereCase& sphere_case) {
  const FillParameters parameters = read_fill_parameters(sphere_case.fields);
  for (const Volume& volume : sphere_case.data.volumes) {
    if (volume.planes.empty()) continue;
    const VolumeGrid grid = volume_grid(volume.box, parameters);
    std::vector<std::span<const Plane>> exclusions;
    for (const Volume& excluded : volume.excluded) {
      if (!excluded.planes.empty()) exclusions.push_back(excluded.planes);
    }
    EXPECT_EQ(reference::first_sample_difference(reference::sample_hull_literal(grid, volume.planes, exclusions),
                                                 sample_hull(grid, volume.planes, exclusions)),
              "");
    EXPECT_EQ(
        reference::first_position_difference(reference::lay_out_candidates_literal(grid, volume.planes, exclusions),
                                             lay_out_candidates(grid, volume.planes, exclusions)),
        "");
  }
}

void expect_same_filling(const SphereCase& sphere_case) {
  CollisionData literal_data = sphere_case.data;
  ResultList literal_results;
  RecordingLog literal_log;
  reference::fill_spheres_literal(literal_data.spheres, literal_data.volumes, sphere_case.fields, literal_log,
                                  literal_results);
  CollisionData fast_data = sphere_case.data;
  ResultList fast_results;
  RecordingLog fast_log;
  fill_spheres(fast_data.spheres, fast_data.volumes, sphere_case.fields, fast_log, fast_results);

  EXPECT_EQ(reference::first_sphere_difference(literal_data.spheres, fast_data.spheres), "");
  EXPECT_EQ(reference::first_row_difference(literal_results, fast_results), "");
  EXPECT_EQ(fast_log.lines, literal_log.lines);
}

TEST(SphereStageMatchesLiteral, GeneratedHullsWithExclusionsOvershootAndShares) {
  std::mt19937 random(11);
  for (size_t number = 0; number < 260; ++number) {
    const SphereCase sphere_case = generated_case(random, number);
    SCOPED_TRACE("case " + std::to_string(number) + ": " + describe(sphere_case));
    expect_same_grid_points(sphere_case);
    expect_same_filling(sphere_case);
    if (::testing::Test::HasFailure()) return;  // one case's report is enough to debug
  }
}

// The grid walk keeps the values of about a million points at a time: a larger grid is valued
// slab by slab, and its points must still come in grid order across the seams.
TEST(SphereStageMatchesLiteral, GridLargerThanOneSlab) {
  // A box of 20 x 10 x 10 sampled 84 across: 168 x 84 x 84 points. A slanted face cuts a corner
  // off and an excluded box leaves holes in the middle of rows.
  Volume volume = testing::box_volume({0, 0, 0}, {20, 10, 10});
  volume.planes.push_back({0.57735026f, 0.57735026f, 0.57735026f, -15.0f});
  const Volume excluded = testing::box_volume({8, 3, 3}, {12, 7, 7});
  const std::vector<std::span<const Plane>> exclusions{excluded.planes};
  const VolumeGrid grid = volume_grid(volume.box, {7.0f, 84.0f, 11, 0.0f});
  ASSERT_GT(grid.sample_points, 1 << 20);
  const std::vector<SampleSphere> literal = reference::sample_hull_literal(grid, volume.planes, exclusions);
  EXPECT_GT(literal.size(), grid.sample_points / 2);
  EXPECT_EQ(reference::first_sample_difference(literal, sample_hull(grid, volume.planes, exclusions)), "");
}

// Placement alone, on lists no grid would give: samples in any order with repeated positions,
// weightless samples and ones at infinity or not a number; candidates repeated (so they tie),
// with negative, zero-signed or infinite radii. The lists left behind must match too.
struct PlacementCase {
  std::vector<SampleSphere> samples;
  std::vector<SpherePosition> positions;
  size_t target = 1;
};

PlacementCase generated_placement(std::mt19937& random) {
  constexpr float kRadii[] = {0.5f, 1.0f, 1.5f, 2.0f, 2.5f, 3.0f, 4.5f, -1.0f, -0.0f};
  constexpr float kWeights[] = {0.0f, 0.25f, 0.5f, 0.75f, 1.0f, 0.3f, 0.9f};
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  const auto lattice_point = [&] {
    return Vector{static_cast<float>(random() % 7), static_cast<float>(random() % 5), static_cast<float>(random() % 9)};
  };

  PlacementCase result;
  const bool sorted = random() % 2 == 0;
  for (size_t n = random() % 150; n > 0; --n) {
    Vector position = lattice_point();
    if (random() % 8 == 0) position.z += 0.5f;
    result.samples.push_back(
        {position, random() % 3 == 0 ? static_cast<float>(uniform(random, 0, 1)) : pick(random, kWeights)});
  }
  if (sorted) {
    std::sort(result.samples.begin(), result.samples.end(), [](const SampleSphere& a, const SampleSphere& b) {
      return std::tie(a.position.x, a.position.y, a.position.z) < std::tie(b.position.x, b.position.y, b.position.z);
    });
  }
  for (SampleSphere& sample : result.samples) {
    if (random() % 60 == 0) sample.position.y = random() % 2 == 0 ? kInfinity : std::nanf("");
  }
  for (size_t n = 1 + random() % 40; n > 0; --n) {
    if (!result.positions.empty() && random() % 5 == 0) {
      result.positions.push_back(result.positions[random() % result.positions.size()]);
      continue;
    }
    const float radius = random() % 50 == 0 ? kInfinity : pick(random, kRadii);
    result.positions.push_back({0.0f, lattice_point(), radius});
  }
  result.target = 1 + random() % 30;
  return result;
}

TEST(SphereStageMatchesLiteral, PlacementOnListsInAnyOrder) {
  std::mt19937 random(12);
  for (size_t number = 0; number < 400; ++number) {
    SCOPED_TRACE("placement " + std::to_string(number));
    PlacementCase literal = generated_placement(random);
    PlacementCase fast = literal;
    ResultList literal_results;
    RecordingLog literal_log;
    const std::vector<Sphere> literal_spheres = reference::place_spheres_literal(
        literal.samples, literal.positions, literal.target, {7, 5, 9}, literal_results, literal_log);
    ResultList fast_results;
    RecordingLog fast_log;
    const std::vector<Sphere> fast_spheres =
        place_spheres(fast.samples, fast.positions, fast.target, {7, 5, 9}, fast_results, fast_log);

    EXPECT_EQ(reference::first_sphere_difference(literal_spheres, fast_spheres), "");
    EXPECT_EQ(reference::first_row_difference(literal_results, fast_results), "");
    EXPECT_EQ(fast_log.lines, literal_log.lines);
    EXPECT_EQ(reference::first_sample_difference(literal.samples, fast.samples), "");
    EXPECT_EQ(reference::first_position_difference(literal.positions, fast.positions), "");
    if (::testing::Test::HasFailure()) return;
  }
}

}  // namespace
}  // namespace ombrix
