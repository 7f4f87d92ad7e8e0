// New spheres for the hulls of a hull file: the run's spheres again for a file the run wrote,
// hulls that cannot be filled left out, and the sphere stage's refusals passed on.
#include "hulfile/fill_hul_spheres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "hulfile/hul_file.h"
#include "hulfile/hul_file_reader.h"
#include "hull/own/own_hull.h"
#include "pipeline/run_pipeline.h"
#include "record/on_plane_tolerance.h"
#include "shared/recording_log.h"
#include "support/generated_hulls.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

bool same_spheres(const std::vector<Sphere>& a, const std::vector<Sphere>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(Sphere)) == 0;
}

FieldValues sphere_fields(const std::string& target) {
  return FieldValues({{Field::kTargetSpheres, target},
                      {Field::kGridResolution, "7.0"},
                      {Field::kSampleResolution, "21.0"},
                      {Field::kOvershoot, "5"}});
}

TEST(FillHulSpheres, AFileTheRunWroteFromOneModelGetsTheRunsSpheresAndRowsBitForBit) {
  // A plane budget makes the hull reach beyond the model's box, which must still be the box used.
  testing::TempDir dir;
  testing::write_file(dir.file("roof.prm"), testing::model_file_bytes(testing::roof_at_zero_body()));
  FieldValues fields = sphere_fields("13");
  fields.set(Field::kWorkingDir, dir.prefix());
  fields.set(Field::kInputFiles, "roof.prm");
  fields.set(Field::kOutputFile, "run.hul");
  fields.set(Field::kMaxPlanes, "10");
  RecordingLog run_log;
  ResultList run_rows;
  ASSERT_EQ(run_pipeline(fields, run_log, {build_own_hull, kOnPlaneTolerance}, run_rows), RunOutcome::kWritten);

  const HulReading reading = read_hul_file(dir.file("run.hul"));
  ASSERT_TRUE(reading.fault.empty());
  RecordingLog log;
  ResultList rows;
  const HulFilling filling = fill_hul_spheres(reading.data, fields, log, rows);
  EXPECT_TRUE(filling.usable());
  EXPECT_TRUE(filling.replaced.empty());
  EXPECT_TRUE(same_spheres(filling.spheres, reading.data.spheres));
  ASSERT_EQ(rows.size(), run_rows.size());
  EXPECT_EQ(std::memcmp(rows.data(), run_rows.data(), rows.size() * sizeof(SphereResult)), 0);
  // The sphere stage's lines, word for word.
  const std::vector<std::string> run_texts = run_log.texts();
  const std::string first = "Creating spheres.";
  const auto from = std::find(run_texts.begin(), run_texts.end(), first);
  ASSERT_NE(from, run_texts.end());
  EXPECT_EQ(std::vector<std::string>(from, from + static_cast<std::ptrdiff_t>(log.texts().size())), log.texts());
}

TEST(FillHulSpheres, HullsThatCannotBeFilledAreNamedAndLeftOutAndTheRestFilled) {
  CollisionData data = testing::generated_prisms(5);
  data.volumes[1].planes.resize(3);  // open
  data.volumes[2].planes[0].d = std::numeric_limits<float>::quiet_NaN();
  data.volumes[3].box = {};  // a box that does not hold the hull
  data.volumes[4].points[2].y = std::numeric_limits<float>::infinity();
  RecordingLog log;
  ResultList rows;
  const HulFilling filling = fill_hul_spheres(data, sphere_fields("9"), log, rows);
  EXPECT_EQ(filling.filled, 2u);
  EXPECT_TRUE(filling.usable());
  EXPECT_EQ(filling.skipped,
            (std::vector<std::string>{
                "hull 2 skipped: its planes do not close around a region",
                "hull 3 skipped: its planes hold a value that is not a finite number",
                "hull 5 skipped: its box, offset or corners hold a value that is not a finite number"}));
  EXPECT_EQ(filling.replaced,
            std::vector<std::string>{"hull 4: its box does not hold the hull; the box of its corners is used"});
  EXPECT_EQ(filling.spheres.size(), 9u);
  // Every centre lies inside hull 1 or hull 4.
  for (const Sphere& s : filling.spheres) {
    bool inside = false;
    for (const size_t h : {size_t{0}, size_t{3}}) {
      bool in_this = true;
      for (const Plane& p : data.volumes[h].planes) in_this = in_this && plane_value({s.x, s.y, s.z}, p) <= 1e-3;
      inside = inside || in_this;
    }
    EXPECT_TRUE(inside) << s.x << ' ' << s.y << ' ' << s.z;
  }
}

TEST(FillHulSpheres, ABoxFarLargerThanItsHullIsReplacedByTheBoxOfItsCorners) {
  // Spaced by such a box, no candidate would fit in the hull.
  CollisionData data = testing::generated_prisms(1);
  data.volumes[0].box = {-400, 400, -400, 400, -400, 400};
  RecordingLog log;
  ResultList rows;
  const HulFilling filling = fill_hul_spheres(data, sphere_fields("11"), log, rows);
  EXPECT_EQ(filling.replaced,
            std::vector<std::string>{"hull 1: its box reaches well beyond the hull; the box of its corners is used"});
  EXPECT_EQ(filling.spheres.size(), 11u);
}

// Cuts a hull down to a cube of side 4 around `centre`, with a box that gets replaced by its corners'.
void cut_to_small_cube(Volume& volume, const Vector& centre) {
  volume.planes.push_back({1, 0, 0, -(centre.x + 2)});
  volume.planes.push_back({-1, 0, 0, centre.x - 2});
  volume.planes.push_back({0, 1, 0, -(centre.y + 2)});
  volume.planes.push_back({0, -1, 0, centre.y - 2});
  volume.planes.push_back({0, 0, 1, -(centre.z + 2)});
  volume.planes.push_back({0, 0, -1, centre.z - 2});
  volume.box = {};
}

TEST(FillHulSpheres, SeveralHullsShareTheTargetSoThatTheCountIsTheOneAskedFor) {
  RecordingLog log;
  ResultList rows;
  // Two hulls of one size: rounding each half share on its own would give 12 and 12.
  CollisionData twins = testing::generated_prisms(1);
  twins.volumes.push_back(twins.volumes[0]);
  EXPECT_EQ(fill_hul_spheres(twins, sphere_fields("25"), log, rows).spheres.size(), 25u);

  // Two small hulls beside a large one: each held at 1, the large one gets the rest, not all its quota.
  CollisionData one_large = testing::generated_prisms(3);
  cut_to_small_cube(one_large.volumes[1], {20.0f, 3.25f, -12.5f});
  cut_to_small_cube(one_large.volumes[2], {80.0f, 3.25f, -12.5f});
  const HulFilling shared = fill_hul_spheres(one_large, sphere_fields("11"), log, rows);
  EXPECT_EQ(shared.spheres.size(), 11u);
  EXPECT_TRUE(shared.skipped.empty());

  // Fewer spheres than hulls: the largest boxes get one each, the rest are named.
  const HulFilling fewer = fill_hul_spheres(one_large, sphere_fields("2"), log, rows);
  EXPECT_EQ(fewer.spheres.size(), 2u);
  EXPECT_TRUE(fewer.usable());
  EXPECT_EQ(fewer.skipped,
            std::vector<std::string>{"hull 3 gets no sphere: fewer spheres are asked for than there are hulls"});
  // None asked for: one each, as a run gives.
  EXPECT_EQ(fill_hul_spheres(testing::generated_prisms(3), sphere_fields("0"), log, rows).spheres.size(), 3u);
}

// Flattens a prism to a slab of `thickness` about its middle, with a box that gets replaced by its corners'.
void flatten(Volume& volume, float thickness) {
  const float middle = (volume.box.min_z + volume.box.max_z) / 2.0f;
  volume.planes.push_back({0, 0, 1, -(middle + thickness / 2.0f)});
  volume.planes.push_back({0, 0, -1, middle - thickness / 2.0f});
  volume.box = {};
}

TEST(FillHulSpheres, AHullWithNoRoomLeavesItsShareToTheOthers) {
  RecordingLog log;
  ResultList rows;
  // Too thin for a sample point deep enough to keep; too thin for the stage to sample at all.
  for (const float thickness : {0.8f, 0.3f}) {
    CollisionData data = testing::generated_prisms(2);
    flatten(data.volumes[1], thickness);
    const HulFilling filling = fill_hul_spheres(data, sphere_fields("11"), log, rows);
    EXPECT_TRUE(filling.usable());
    EXPECT_EQ(filling.spheres.size(), 11u);
    EXPECT_EQ(rows.size(), 11u);
    if (thickness > 0.5f) {
      EXPECT_EQ(filling.short_of_room,
                std::vector<std::string>{"hull 2 holds 0 spheres; the other hulls take the rest"});
    } else {
      ASSERT_EQ(filling.skipped.size(), 1u);
      EXPECT_TRUE(filling.skipped[0].starts_with("hull 2 skipped: the sphere stage refuses it ("))
          << filling.skipped[0];
    }
  }
  // No hull with room: nothing to write, though the fields were not refused.
  CollisionData slabs = testing::generated_prisms(2);
  flatten(slabs.volumes[0], 0.8f);
  flatten(slabs.volumes[1], 0.8f);
  const HulFilling none = fill_hul_spheres(slabs, sphere_fields("11"), log, rows);
  EXPECT_FALSE(none.usable());
  EXPECT_TRUE(none.refused.empty());
}

TEST(FillHulSpheres, NoHullToFillOrARefusedStageIsNotUsable) {
  CollisionData open = testing::generated_prisms(1);
  open.volumes[0].planes.resize(2);
  RecordingLog log;
  ResultList rows;
  const HulFilling nothing = fill_hul_spheres(open, sphere_fields("5"), log, rows);
  EXPECT_EQ(nothing.filled, 0u);
  EXPECT_FALSE(nothing.usable());

  FieldValues zero_grid = sphere_fields("5");
  zero_grid.set(Field::kGridResolution, "0");
  const HulFilling refused = fill_hul_spheres(testing::generated_prisms(2), zero_grid, log, rows);
  EXPECT_FALSE(refused.usable());
  EXPECT_EQ(refused.refused, (std::vector<std::string>{"hull 1", "hull 2"}));
  EXPECT_EQ(log.last_text(),
            "    No spheres for this volume: the grid and sampling resolutions must be finite and above 0.");
}

}  // namespace
}  // namespace ombrix
