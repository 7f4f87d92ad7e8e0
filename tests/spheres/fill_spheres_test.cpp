// Sphere filling over whole runs' data: the log, the sharing, the refusals, excluded volumes.
#include "spheres/fill_spheres.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hull/own/own_hull.h"
#include "model/vertex_box.h"
#include "record/collision_data.h"
#include "shared/number_text.h"
#include "shared/recording_log.h"
#include "support/box_volume.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::box_volume;
using testing::centred_cube;

FieldValues fields(const char* grid = "7.0", const char* sampling = "21.0", const char* target = "11",
                   const char* overshoot = "0.0") {
  return FieldValues({{Field::kGridResolution, grid},
                      {Field::kSampleResolution, sampling},
                      {Field::kTargetSpheres, target},
                      {Field::kOvershoot, overshoot}});
}

struct Filling {
  CollisionData data;
  ResultList results;
  RecordingLog log;
};

void fill(Filling& filling, const FieldValues& values) {
  fill_spheres(filling.data.spheres, filling.data.volumes, values, filling.log, filling.results);
}

size_t count_lines_starting(const RecordingLog& log, const std::string& prefix) {
  size_t count = 0;
  for (const std::string& text : log.texts()) count += text.rfind(prefix, 0) == 0 ? 1 : 0;
  return count;
}

TEST(FillSpheresLog, NoVolumesLogsOnlyTheStart) {
  Filling filling;
  fill(filling, fields());
  EXPECT_EQ(filling.log.lines, (std::vector<LoggedLine>{{"Creating spheres.", Stamp::kStamped}}));
  EXPECT_TRUE(filling.data.spheres.empty());
}

TEST(FillSpheresLog, OneVolumeWithDefaultsPlacesTheWholeTarget) {
  // The 100 x 50 x 80 box: every grid point is deep enough, so all of them are kept.
  Filling filling;
  filling.data.volumes.push_back(box_volume({-50, -25, -40}, {50, 25, 40}));
  fill(filling, fields());

  const std::vector<std::string> texts = filling.log.texts();
  ASSERT_EQ(texts.size(), 5u + 3 * 11);
  EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 5),
            (std::vector<std::string>{"Creating spheres.", "Discretizing hull volume with sample_spheres.",
                                      "    Number of sample_spheres used: 29106",
                                      "Number of sphere positions that will be tested: 1001 (Grid is 13 x 7 x 11).",
                                      "Filling Hull with spheres."}));
  EXPECT_EQ(texts.back().rfind("    Spheres set BBox is covering [x: ", 0), 0u);
  for (const auto& line : filling.log.lines) EXPECT_EQ(line.stamp, Stamp::kStamped) << line.text;
  EXPECT_EQ(filling.data.spheres.size(), 11u);
  EXPECT_EQ(filling.results.size(), 11u);
  EXPECT_EQ(filling.results.back().number, 11);
  // The placed spheres are the rows' spheres, in the same order.
  for (size_t i = 0; i < 11; ++i) {
    EXPECT_EQ(filling.data.spheres[i].x, filling.results[i].x);
    EXPECT_EQ(filling.data.spheres[i].radius, filling.results[i].radius);
  }
}

TEST(FillSpheresSharing, TwoEqualBoxesGetSixSpheresEachAndNumbersRestart) {
  Filling filling;
  filling.data.spheres.push_back({1, 2, 3, 4});  // earlier spheres stay first
  filling.data.volumes.push_back(box_volume({-50, -25, -40}, {50, 25, 40}));
  filling.data.volumes.push_back(box_volume({150, -25, -40}, {250, 25, 40}));
  fill(filling, fields("7", "9"));

  ASSERT_EQ(filling.data.spheres.size(), 13u);
  EXPECT_EQ(filling.data.spheres[0].radius, 4.0f);
  EXPECT_LT(filling.data.spheres[6].x, 50.0f);
  EXPECT_GT(filling.data.spheres[7].x, 150.0f);
  ASSERT_EQ(filling.results.size(), 12u);
  EXPECT_EQ(filling.results[5].number, 6);
  EXPECT_EQ(filling.results[6].number, 1);
  EXPECT_EQ(count_lines_starting(filling.log, "Filling Hull with spheres."), 2u);
}

TEST(FillSpheresSharing, TinyVolumeStillGetsOneSphere) {
  Filling filling;
  filling.data.volumes.push_back(centred_cube(100.0f));
  filling.data.volumes.push_back(box_volume({500, 0, 0}, {510, 10, 10}));
  fill(filling, fields("3", "5"));
  ASSERT_GE(filling.results.size(), 2u);
  EXPECT_GT(filling.results[filling.results.size() - 2].number, 1);
  EXPECT_EQ(filling.results.back().number, 1);
  EXPECT_GT(filling.data.spheres.back().x, 500.0f);
}

TEST(FillSpheresSharing, EmptyTargetGivesEveryVolumeOneSphere) {
  Filling filling;
  filling.data.volumes.push_back(centred_cube(100.0f));
  filling.data.volumes.push_back(box_volume({500, 0, 0}, {510, 10, 10}));
  fill(filling, fields("3", "5", ""));
  ASSERT_EQ(filling.results.size(), 2u);
  EXPECT_EQ(filling.results[0].number, 1);
  EXPECT_EQ(filling.results[1].number, 1);
}

TEST(FillSpheresExclusion, ExcludedVolumeKeepsSpheresOutAndGetsNone) {
  // The excluded box takes the x >= -3 part of the cube: every sphere stays in x < -3.
  Filling filling;
  filling.data.volumes.push_back(centred_cube(10.0f));
  filling.data.volumes[0].excluded.push_back(box_volume({-3, -20, -20}, {20, 20, 20}));
  fill(filling, fields("3", "4", "3", "10"));

  EXPECT_EQ(filling.log.texts()[2], "    Number of sample_spheres used: 16");
  EXPECT_EQ(filling.log.texts()[3], "Number of sphere positions that will be tested: 9 (Grid is 3 x 3 x 3).");
  ASSERT_FALSE(filling.data.spheres.empty());
  for (const Sphere& sphere : filling.data.spheres) EXPECT_LE(sphere.x + sphere.radius, -3.0f + 1e-5f);
}

TEST(FillSpheresExclusion, ExcludedVolumeWithoutPlanesIsIgnored) {
  Filling filling;
  filling.data.volumes.push_back(centred_cube(10.0f));
  filling.data.volumes[0].excluded.push_back(Volume{});
  fill(filling, fields("3", "4", "1"));
  const std::vector<std::string> texts = filling.log.texts();
  ASSERT_GE(texts.size(), 4u);
  EXPECT_EQ(texts[1], "Discretizing hull volume with sample_spheres.");
  EXPECT_EQ(texts[2], "    Excluded volume ignored: its hull has no planes.");
  EXPECT_EQ(texts[3], "    Number of sample_spheres used: 64");
}

struct RefusalCase {
  const char* name;
  Volume volume;
  FieldValues values;
  const char* reason;
  bool parameters_at_fault;  // then the next volume is refused as well
};

TEST(FillSpheresRefusal, EachRefusalHasItsLineAndTheRunGoesOnWithTheNextVolume) {
  Volume no_planes = centred_cube(10.0f);
  no_planes.planes.clear();
  Volume flat = centred_cube(10.0f);
  flat.box.max_z = flat.box.min_z;
  Volume huge = centred_cube(10.0f);
  huge.box.min_x = -3e38f;
  huge.box.max_x = 3e38f;
  const Volume cube = centred_cube(10.0f);
  Volume unwritable = centred_cube(10.0f);  // one plane more than a hull file can count
  while (unwritable.planes.size() < 32768) unwritable.planes.push_back(cube.planes[unwritable.planes.size() % 6]);
  const std::vector<RefusalCase> cases{
      {"flat box", flat, fields(), "its box is flat or not finite.", false},
      {"box wider than single precision", huge, fields(), "its box is flat or not finite.", false},
      {"no planes", no_planes, fields(), "its hull has no planes.", false},
      {"more planes than a hull file holds", unwritable, fields(),
       "its hull has more than 32767 planes, too many for a hull file.", false},
      {"grid resolution 0", cube, fields("0"), "the grid and sampling resolutions must be finite and above 0.", true},
      {"negative sampling resolution", cube, fields("7", "-21"),
       "the grid and sampling resolutions must be finite and above 0.", true},
      {"infinite grid resolution", cube, fields("1e39"),
       "the grid and sampling resolutions must be finite and above 0.", true},
      {"infinite overshoot", cube, fields("7", "21", "11", "-1e39"), "the overshoot must be finite.", true},
      {"401 samples a side", cube, fields("7", "401"), "more than 64000000 sample points.", true},
      {"sampling past every count", cube, fields("7", "1e30"), "more than 64000000 sample points.", true},
      {"201 candidates a side", cube, fields("201"), "more than 8000000 sphere positions.", true},
      {"grid past every count", cube, fields("1e30", "3"), "more than 8000000 sphere positions.", true},
      // Within both counts, but each over twice the work allowed.
      {"grid fine for its sampling", cube, fields("60", "100"),
       "too slow at these resolutions; lower the grid resolution.", true},
      {"sampling fine for its grid", cube, fields("20", "300"),
       "too slow at these resolutions; lower the sampling resolution.", true},
  };
  for (const RefusalCase& refusal : cases) {
    SCOPED_TRACE(refusal.name);
    Filling filling;
    filling.data.volumes.push_back(refusal.volume);
    filling.data.volumes.push_back(box_volume({100, 0, 0}, {120, 20, 20}));
    fill(filling, refusal.values);

    const std::string line = std::string("    No spheres for this volume: ") + refusal.reason;
    const std::vector<std::string> texts = filling.log.texts();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[1], line);
    EXPECT_EQ(filling.log.lines[1].stamp, Stamp::kStamped);
    EXPECT_EQ(texts[2], refusal.parameters_at_fault ? line : "Discretizing hull volume with sample_spheres.");
  }
}

TEST(FillSpheresRefusal, RefusedVolumeStillCountsInTheSharing) {
  // Two equal boxes, the first without planes: the second gets half of 11, rounded to 6.
  Filling filling;
  filling.data.volumes.push_back(centred_cube(50.0f));
  filling.data.volumes[0].planes.clear();
  filling.data.volumes.push_back(box_volume({200, -50, -50}, {300, 50, 50}));
  fill(filling, fields("7", "9"));
  EXPECT_EQ(filling.results.size(), 6u);
  EXPECT_EQ(filling.data.spheres.size(), 6u);
}

TEST(FillSpheresRefusal, VanishingGridResolutionLogsTheNegativeGridAndPlacesNothing) {
  Filling filling;
  filling.data.volumes.push_back(centred_cube(25.0f));
  fill(filling, fields("1e-30", "5"));
  const std::vector<std::string> texts = filling.log.texts();
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[3], "Number of sphere positions that will be tested: 0 (Grid is -1 x -1 x -1).");
  EXPECT_EQ(texts[4], "Filling Hull with spheres.");
  EXPECT_TRUE(filling.data.spheres.empty());
}

// A main volume built the way a run builds it: box and hull of the points.
Volume hull_volume(const std::vector<Vector>& points) {
  Volume volume;
  const VertexList vertices = testing::vertices_of(points);
  bbox_of_vertices(volume.box, vertices);
  RecordingLog ignored;
  build_own_hull(volume.planes, vertices, ignored);
  return volume;
}

TEST(FillSpheresInvariant, EverySphereFitsItsHullAndStaysOutOfTheExcludedOne) {
  const std::vector<std::vector<Vector>> shapes{
      {{-30, 0, 0}, {30, 0, 0}, {0, -20, 0}, {0, 20, 0}, {0, 0, -45}, {0, 0, 45}},              // octahedron
      {{0, 0, 0}, {40, 0, 0}, {0, 25, 0}, {0, 0, 60}, {40, 0, 60}, {0, 25, 60}},                // wedge
      {{-7, -3, -2}, {11, -5, 1}, {2, 9, -4}, {-3, 4, 12}, {5, 6, 7}, {0, -8, 9}, {9, 2, -6}},  // irregular
  };
  for (const std::vector<Vector>& shape : shapes) {
    SCOPED_TRACE("shape of " + std::to_string(shape.size()) + " points");
    Filling filling;
    filling.data.volumes.push_back(hull_volume(shape));
    const Volume& volume = filling.data.volumes[0];
    const BBox& box = volume.box;
    // A slab through the middle of the box, excluded.
    const float middle = (box.min_x + box.max_x) / 2;
    filling.data.volumes[0].excluded.push_back(
        box_volume({middle - 1, box.min_y - 1, box.min_z - 1}, {middle + 1, box.max_y + 1, box.max_z + 1}));
    for (const char* placement : {"greedy", "refined"}) {
      SCOPED_TRACE(placement);
      filling.data.spheres.clear();
      FieldValues values = fields("9", "15", "12");
      values.set(Field::kPlacement, placement);
      fill(filling, values);

      ASSERT_FALSE(filling.data.spheres.empty());
      for (const Sphere& sphere : filling.data.spheres) {
        const Vector centre{sphere.x, sphere.y, sphere.z};
        EXPECT_LE(sphere.radius, inside_depth(centre, volume.planes, 0.0f));
        EXPECT_LE(sphere.radius, outside_distance(centre, volume.excluded[0].planes, 0.0f));
        EXPECT_GT(sphere.radius, 0.0f);
      }
    }
  }
}

// The refined placement over a whole volume: the greedy's lines, one more, the refined rows.
TEST(FillSpheresRefined, LogsTheGreedyLinesThenTheSharesAndReportsTheRefinedSpheres) {
  Filling greedy;
  greedy.data.volumes.push_back(box_volume({-50, -25, -40}, {50, 25, 40}));
  fill(greedy, fields());
  Filling refined;
  refined.data.volumes = greedy.data.volumes;
  FieldValues values = fields();
  values.set(Field::kPlacement, "refined");
  fill(refined, values);

  std::vector<LoggedLine> lines = refined.log.lines;
  ASSERT_EQ(lines.size(), greedy.log.lines.size() + 1);
  const LoggedLine shares = lines.back();
  lines.pop_back();
  EXPECT_EQ(lines, greedy.log.lines);
  EXPECT_EQ(shares.stamp, Stamp::kStamped);
  // The greedy's share is what its last row left.
  const std::string greedy_share = format_fixed(100.0f - greedy.results.back().remaining, 1);
  EXPECT_EQ(shares.text.rfind("    Spheres refined: ", 0), 0u) << shares.text;
  EXPECT_NE(shares.text.find("% of the hull volume covered (greedy " + greedy_share + "%)."), std::string::npos)
      << shares.text;

  ASSERT_EQ(refined.data.spheres.size(), 11u);
  ASSERT_EQ(refined.results.size(), 11u);
  for (size_t i = 0; i < 11; ++i) {
    EXPECT_EQ(refined.results[i].number, static_cast<int>(i + 1));
    EXPECT_EQ(refined.data.spheres[i].x, refined.results[i].x);
    EXPECT_EQ(refined.data.spheres[i].radius, refined.results[i].radius);
  }
  EXPECT_LT(refined.results.back().remaining, greedy.results.back().remaining);
  EXPECT_EQ(shares.text, "    Spheres refined: " + format_fixed(100.0f - refined.results.back().remaining, 1) +
                             "% of the hull volume covered (greedy " + greedy_share + "%).");
}

TEST(FillSpheresRefined, SamplesOffTheGridKeepTheGreedySpheresAndSayTheirShareTwice) {
  // Another sampling stage, its points shifted off the grid: nothing to refine on.
  SphereStages shifted;
  shifted.sample = [](const VolumeGrid& grid, std::span<const Plane> hull,
                      std::span<const std::span<const Plane>> exclusions) {
    std::vector<SampleSphere> samples = sample_hull(grid, hull, exclusions);
    for (SampleSphere& sample : samples) sample.position.x += 0.25f;
    return samples;
  };
  Filling greedy;
  greedy.data.volumes.push_back(centred_cube(10.0f));
  Filling refined = greedy;
  FieldValues values = fields("3", "6", "2");
  fill_spheres(greedy.data.spheres, greedy.data.volumes, values, greedy.log, greedy.results, shifted);
  values.set(Field::kPlacement, "refined");
  fill_spheres(refined.data.spheres, refined.data.volumes, values, refined.log, refined.results, shifted);

  ASSERT_EQ(refined.log.lines.size(), greedy.log.lines.size() + 1);
  const std::string share = format_fixed(100.0f - greedy.results.back().remaining, 1) + "%";
  EXPECT_EQ(refined.log.texts().back(),
            "    Spheres refined: " + share + " of the hull volume covered (greedy " + share + ").");
  ASSERT_EQ(refined.data.spheres.size(), greedy.data.spheres.size());
  EXPECT_EQ(refined.data.spheres[1].x, greedy.data.spheres[1].x);
}

TEST(FillSpheresRefined, AnyOtherPlacementTextIsTheGreedy) {
  Filling plain;
  plain.data.volumes.push_back(centred_cube(10.0f));
  fill(plain, fields("3", "6", "3"));
  for (const char* text : {"", "greedy", "Refined"}) {
    Filling other;
    other.data.volumes = plain.data.volumes;
    FieldValues values = fields("3", "6", "3");
    values.set(Field::kPlacement, text);
    fill(other, values);
    EXPECT_EQ(other.log.lines, plain.log.lines) << text;
  }
}

}  // namespace
}  // namespace ombrix
