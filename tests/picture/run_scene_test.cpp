// A run's result as the viewer and --picture show it: its models read again, its spheres
// numbered as its log numbered them.
#include "picture/run_scene.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "hull/internal_hull.h"
#include "reference/recording_log.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::box_corners;
using testing::model_file_bytes;
using testing::TempDir;
using testing::write_file;

struct FinishedRun {
  RunProduct product;
  ResultList rows;
  reference::RecordingLog log;
};

FinishedRun run_on(const TempDir& dir, const std::string& input) {
  const FieldValues fields({{Field::kWorkingDir, dir.prefix()},
                            {Field::kInputFiles, input},
                            {Field::kOutputFile, "out.hul"},
                            {Field::kTargetSpheres, "5"},
                            {Field::kGridResolution, "4.0"},
                            {Field::kSampleResolution, "8.0"},
                            {Field::kOvershoot, "0.0"}});
  FinishedRun run;
  run_pipeline(fields, run.log, build_internal_hull, run.rows, &run.product);
  return run;
}

class RunScene : public ::testing::Test {
 protected:
  RunScene() {
    write_file(dir.file("body.prm"), model_file_bytes(box_corners({-40, -20, -80}, {40, 0, 80})));
    write_file(dir.file("wing.prm"), model_file_bytes(box_corners({-30, -40, 60}, {30, -30, 90})));
  }
  TempDir dir;
};

TEST_F(RunScene, SpheresCarryTheNumbersOfTheirLogLines) {
  FinishedRun run = run_on(dir, "body.prm | wing.prm");
  std::vector<int> logged;
  const std::regex sphere_line("Sphere (\\d+) coordinates: .*");
  for (const std::string& text : run.log.texts()) {
    std::smatch match;
    if (std::regex_match(text, match, sphere_line)) logged.push_back(std::stoi(match[1]));
  }
  std::vector<std::string> problems;
  const PictureScene scene = scene_of_run(run.product, run.rows, problems);
  std::vector<int> drawn;
  for (const SceneSphere& sphere : scene.spheres) drawn.push_back(sphere.number);
  EXPECT_EQ(drawn, logged);
  ASSERT_GT(drawn.size(), 2u);
  EXPECT_EQ(std::count(drawn.begin(), drawn.end(), 1), 2);  // each volume starts again at 1
  ASSERT_EQ(scene.models.size(), 2u);
  EXPECT_EQ(scene.models[1].name, "wing.prm");
  EXPECT_TRUE(problems.empty());
}

TEST_F(RunScene, HullsOfTheRunAreDrawnWithTheirExcludedVolumes) {
  const FinishedRun run = run_on(dir, "body.prm * wing.prm");
  std::vector<std::string> problems;
  const PictureScene scene = scene_of_run(run.product, run.rows, problems);
  ASSERT_EQ(scene.models.size(), 1u);  // an excluded volume's model is not drawn, its hull is
  ASSERT_EQ(scene.hulls.size(), 2u);
  EXPECT_FALSE(scene.hulls[0].excluded);
  EXPECT_TRUE(scene.hulls[1].excluded);
  for (const HullShape& hull : scene.hulls) EXPECT_EQ(hull.faces.size(), 6u) << hull.not_closed;
}

TEST_F(RunScene, ModelThatCanNoLongerBeReadIsLeftOutAndSaid) {
  const FinishedRun run = run_on(dir, "body.prm | wing.prm");
  std::filesystem::remove(dir.file("body.prm"));
  std::vector<std::string> problems;
  const PictureScene scene = scene_of_run(run.product, run.rows, problems);
  ASSERT_EQ(scene.models.size(), 1u);
  EXPECT_EQ(scene.models[0].name, "wing.prm");
  EXPECT_EQ(problems, std::vector<std::string>{"Can't read file: " + dir.prefix() + "body.prm"});
  EXPECT_EQ(scene.spheres.size(), run.product.data.spheres.size());
}

TEST(NumberedSpheres, WithoutOneRowPerSphereTheyCountFromOne) {
  const std::vector<Sphere> spheres(3);
  ResultList rows(2);
  rows[0].number = 7;
  std::vector<int> numbers;
  for (const SceneSphere& sphere : numbered_spheres(spheres, rows)) numbers.push_back(sphere.number);
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3}));
}

}  // namespace
}  // namespace ombrix
