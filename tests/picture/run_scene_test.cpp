// A run's result as the viewer and --picture show it: its models read again, its hulls with their
// excluded volumes, its spheres numbered as its log numbered them.
#include "picture/run_scene.h"

#include <gtest/gtest.h>

#include <regex>

#include "hull/own/own_hull.h"
#include "record/on_plane_tolerance.h"
#include "shared/recording_log.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::box_corners;
using testing::model_file_bytes;
using testing::write_file;

TEST(RunScene, ShowsEachModelItsHullsAndSpheresNumberedAsTheLogNumbersThem) {
  testing::TempDir dir;
  write_file(dir.file("body.prm"), model_file_bytes(box_corners({-40, -20, -80}, {40, 0, 80})));
  write_file(dir.file("cabin.prm"), model_file_bytes(box_corners({-20, -30, -20}, {20, -10, 20})));
  write_file(dir.file("wing.prm"), model_file_bytes(box_corners({-30, -40, 60}, {30, -30, 90})));
  const FieldValues fields({{Field::kWorkingDir, dir.prefix()},
                            {Field::kInputFiles, "body.prm * cabin.prm | wing.prm | gone.prm"},
                            {Field::kOutputFile, "out.hul"},
                            {Field::kTargetSpheres, "5"},
                            {Field::kGridResolution, "4.0"},
                            {Field::kSampleResolution, "8.0"},
                            {Field::kOvershoot, "0.0"}});
  write_file(dir.file("gone.prm"), model_file_bytes(box_corners({-30, -30, 100}, {30, 0, 160})));
  RunProduct product;
  ResultList rows;
  RecordingLog log;
  run_pipeline(fields, log, {build_own_hull, kOnPlaneTolerance}, rows, &product);
  std::filesystem::remove(dir.file("gone.prm"));  // a model that can no longer be read is said

  std::vector<std::string> faults;
  const PictureScene scene = scene_of_run(product, rows, faults);
  EXPECT_EQ(faults, std::vector<std::string>{"Can't read file: " + dir.prefix() + "gone.prm"});
  ASSERT_EQ(scene.models.size(), 2u);  // an excluded volume's model is not drawn, its hull is
  EXPECT_EQ(scene.models[1].name, "wing.prm");
  ASSERT_EQ(scene.hulls.size(), 4u);
  EXPECT_TRUE(scene.hulls[1].excluded);
  for (const HullShape& hull : scene.hulls) EXPECT_EQ(hull.faces.size(), 6u) << hull.not_closed;

  std::vector<int> logged, drawn;
  const std::regex sphere_line("Sphere (\\d+) coordinates: .*");
  std::smatch match;
  for (const std::string& text : log.texts()) {
    if (std::regex_match(text, match, sphere_line)) logged.push_back(std::stoi(match[1]));
  }
  for (const SceneSphere& sphere : scene.spheres) drawn.push_back(sphere.number);
  EXPECT_EQ(drawn, logged);
  EXPECT_EQ(std::count(drawn.begin(), drawn.end(), 1), 3);  // each main volume counts from 1
}

}  // namespace
}  // namespace ombrix
