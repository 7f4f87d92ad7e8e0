// Whole runs on generated models: what the log says, what reaches the file, and every refusal path.
#include "pipeline/run_pipeline.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "hull/exact_procedure.h"
#include "hull/internal_hull.h"
#include "reference/recording_log.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::box_corners;
using testing::model_file_bytes;
using testing::read_file;
using reference::RecordingLog;
using testing::TempDir;
using testing::write_file;

const std::vector<Vector> kTetrahedron{{0, 0, 0}, {10, 0, 0}, {0, 10, 0}, {0, 0, 10}};

class RunPipeline : public ::testing::Test {
 protected:
  RunPipeline() {
    fields.set(Field::kWorkingDir, dir.path().string());
    fields.set(Field::kOutputFile, "out.hul");
    write_file(dir.file("cube.prm"), model_file_bytes(box_corners({-5, -5, -5}, {5, 5, 5})));
    write_file(dir.file("tet.m"), model_file_bytes(kTetrahedron));
  }

  RunOutcome run(const std::string& input) {
    fields.set(Field::kInputFiles, input);
    return run_pipeline(fields, log, build_internal_hull, results);
  }

  // The run's lines after "start" and before the end line, whose milliseconds vary.
  std::vector<std::string> middle_lines() const {
    std::vector<std::string> texts = log.texts();
    EXPECT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0], "");
    EXPECT_EQ(texts[1], "start");
    EXPECT_EQ(texts.back().rfind("end (", 0), 0u) << texts.back();
    EXPECT_EQ(texts.back().substr(texts.back().size() - 3), "ms)");
    return {texts.begin() + 2, texts.end() - 1};
  }

  TempDir dir;
  FieldValues fields;
  RecordingLog log;
  ResultList results{SphereResult{}};
};

TEST_F(RunPipeline, TwoMainVolumesAreLoggedAndWrittenInInputOrder) {
  EXPECT_EQ(run("cube.prm | tet.m"), RunOutcome::kWritten);
  const std::string prefix = dir.prefix();
  const std::vector<std::string> expected{
      "Reading file: " + prefix + "cube.prm (8 vertices And 1 polies).",
      "Creating Hull.",
      "    Number of planes for the Hull: 6",
      "Reading file: " + prefix + "tet.m (4 vertices And 1 polies).",
      "Creating Hull.",
      "    Number of planes for the Hull: 4",
      // The sphere fields are left empty here: every volume is refused spheres.
      "Creating spheres.",
      "    No spheres for this volume: the grid and sampling resolutions must be finite and above 0.",
      "    No spheres for this volume: the grid and sampling resolutions must be finite and above 0.",
  };
  EXPECT_EQ(middle_lines(), expected);
  EXPECT_FALSE(log.lines[0].stamped);
  for (size_t i = 1; i < log.lines.size(); ++i) EXPECT_TRUE(log.lines[i].stamped) << i;
  EXPECT_TRUE(results.empty());  // emptied at the start of the run

  const std::string bytes = read_file(dir.file("out.hul"));
  EXPECT_EQ(bytes.size(), 2u + (42 + 6 * 16) + (42 + 4 * 16) + 2);
  EXPECT_EQ(bytes[2 + 42 + 6 * 16 + 4], 4);  // the second volume's plane count
}

TEST_F(RunPipeline, AnExcludedVolumeIsReadAndHulledButNotWritten) {
  EXPECT_EQ(run("cube.prm * tet.m"), RunOutcome::kWritten);
  EXPECT_EQ(middle_lines().size(), 8u);
  EXPECT_EQ(read_file(dir.file("out.hul")).size(), 2u + (42 + 6 * 16) + 2);
}

TEST_F(RunPipeline, AnExcludedVolumeFollowsTheLastMainVolumeRead) {
  // b has no vertices, so c becomes an excluded volume of a: only a's hull is written.
  write_file(dir.file("empty.prm"), "");
  EXPECT_EQ(run("cube.prm | empty.prm * tet.m"), RunOutcome::kWritten);
  EXPECT_EQ(read_file(dir.file("out.hul")).size(), 2u + (42 + 6 * 16) + 2);
}

TEST_F(RunPipeline, AnExcludedVolumeWithNoMainVolumeBeforeItIsSkipped) {
  write_file(dir.file("empty.prm"), "");
  EXPECT_EQ(run("empty.prm * tet.m | cube.prm"), RunOutcome::kWritten);
  const std::string prefix = dir.prefix();
  const std::vector<std::string> middle = middle_lines();
  ASSERT_EQ(middle.size(), 8u);
  EXPECT_EQ(middle[0], "File '" + prefix + "empty.prm' has no vertices or polies.");
  EXPECT_EQ(middle[1], "Reading file: " + prefix + "tet.m (4 vertices And 1 polies).");
  EXPECT_EQ(middle[2], "    Excluded volume ignored (no main volume before it): " + prefix + "tet.m");
  EXPECT_EQ(read_file(dir.file("out.hul")).size(), 2u + (42 + 6 * 16) + 2);
}

TEST_F(RunPipeline, AMissingFileAbortsBeforeAnythingIsRead) {
  EXPECT_EQ(run("cube.prm | missing.prm"), RunOutcome::kAborted);
  const std::vector<reference::LoggedLine> expected{
      {"", false},
      {"start", true},
      {"Aborting. Can't find the file: " + dir.prefix() + "missing.prm", true},
      {"", false}};
  EXPECT_EQ(log.lines, expected);
  EXPECT_FALSE(std::filesystem::exists(dir.file("out.hul")));
  EXPECT_TRUE(results.empty());
}

TEST_F(RunPipeline, AFolderOrATrailingBarIsNotAFile) {
  std::filesystem::create_directory(dir.path() / "sub");
  EXPECT_EQ(run("sub"), RunOutcome::kAborted);
  EXPECT_EQ(log.lines[2].text, "Aborting. Can't find the file: " + dir.prefix() + "sub");
  log.lines.clear();
  EXPECT_EQ(run("cube.prm |"), RunOutcome::kAborted);
  EXPECT_EQ(log.lines[2].text, "Aborting. Can't find the file: " + dir.prefix());
}

TEST_F(RunPipeline, AnEmptyInputWithNoWorkingDirectoryNamesNothing) {
  fields.set(Field::kWorkingDir, "");
  EXPECT_EQ(run(""), RunOutcome::kAborted);
  EXPECT_EQ(log.lines[2].text, "Aborting. Can't find the file: ");
}

TEST_F(RunPipeline, NoReadableModelWritesNothingAndKeepsTheOldFile) {
  write_file(dir.file("empty.prm"), "");
  write_file(dir.file("out.hul"), "old");
  EXPECT_EQ(run("empty.prm"), RunOutcome::kNotWritten);
  const std::vector<std::string> middle = middle_lines();
  ASSERT_EQ(middle.size(), 3u);
  EXPECT_EQ(middle[1], "Creating spheres.");
  EXPECT_EQ(middle[2], "Nothing to write: no model could be read.");
  EXPECT_EQ(read_file(dir.file("out.hul")), "old");
}

TEST_F(RunPipeline, AnUnwritableOutputIsLoggedAndTheRunStillEnds) {
  fields.set(Field::kOutputFile, "no/such/folder/out.hul");
  EXPECT_EQ(run("tet.m"), RunOutcome::kNotWritten);
  EXPECT_EQ(middle_lines().back(), "Can't write file: " + dir.prefix() + "no/such/folder/out.hul");
}

TEST_F(RunPipeline, AHullTooLargeForTheFileGetsNoSpheresAndItsRefusalNamesTheWayOut) {
  // The roof lies at offset 0: the tool's own procedure keeps its triples' planes unmerged.
  write_file(dir.file("roof.prm"), model_file_bytes(testing::roof_at_zero_body()));
  fields.set(Field::kGridResolution, "4");
  fields.set(Field::kSampleResolution, "8");
  EXPECT_EQ(run("roof.prm"), RunOutcome::kNotWritten);
  const std::vector<std::string> middle = middle_lines();
  ASSERT_EQ(middle.size(), 6u);
  const std::string planes = middle[2].substr(middle[2].rfind(' ') + 1);
  EXPECT_GT(std::stol(planes), 32767);
  EXPECT_EQ(middle[4],
            "    No spheres for this volume: its hull has more than 32767 planes, too many for a hull file.");
  EXPECT_EQ(middle[5], "Can't write file: " + dir.prefix() + "out.hul (a hull has " + planes +
                           " planes, more than the 32767 a hull file holds; choose the exact hull procedure, "
                           "which gives each flat side one plane).");

  log.lines.clear();
  EXPECT_EQ(run_pipeline(fields, log, build_exact_hull, results), RunOutcome::kWritten);
  EXPECT_FALSE(results.empty());
}

// A field source whose working directory changes after its first read, like a user typing
// during a run: the output goes where the field points when the file is written.
class ChangingFields : public Fields {
 public:
  ChangingFields(FieldValues first, std::string later_dir)
      : first_(std::move(first)), later_dir_(std::move(later_dir)) {}
  std::string field_text(Field field) const override {
    if (field == Field::kWorkingDir && working_dir_reads_++ > 0) return later_dir_;
    return first_.field_text(field);
  }

 private:
  FieldValues first_;
  std::string later_dir_;
  mutable int working_dir_reads_ = 0;
};

TEST_F(RunPipeline, TheWorkingDirectoryIsReadAgainForTheOutput) {
  TempDir other;
  fields.set(Field::kInputFiles, "tet.m");
  ChangingFields changing(fields, other.path().string());
  EXPECT_EQ(run_pipeline(changing, log, build_internal_hull, results), RunOutcome::kWritten);
  EXPECT_TRUE(std::filesystem::exists(other.file("out.hul")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("out.hul")));
}

}  // namespace
}  // namespace ombrix
