// Whole runs on generated models: what the log says, what reaches the file, and every refusal path;
// one run with spheres checked in full.
#include "pipeline/run_pipeline.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <regex>
#include <string>
#include <vector>

#include "hull/own/own_hull.h"
#include "hull/qhull/exact_procedure.h"
#include "record/on_plane_tolerance.h"
#include "shared/little_endian.h"
#include "shared/recording_log.h"
#include "spheres/result_table.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::box_corners;
using testing::model_file_bytes;
using testing::read_file;
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
    return run_pipeline(fields, log, {build_own_hull, kOnPlaneTolerance}, results);
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
  EXPECT_EQ(log.lines[0].stamp, Stamp::kPlain);
  for (size_t i = 1; i < log.lines.size(); ++i) EXPECT_EQ(log.lines[i].stamp, Stamp::kStamped) << i;
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
  const std::vector<LoggedLine> expected{
      {"", Stamp::kPlain},
      {"start", Stamp::kStamped},
      {"Aborting. Can't find the file: " + dir.prefix() + "missing.prm", Stamp::kStamped},
      {"", Stamp::kPlain}};
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
  EXPECT_EQ(run_pipeline(fields, log, {build_exact_hull, 0.0}, results), RunOutcome::kWritten);
  EXPECT_FALSE(results.empty());
}

TEST_F(RunPipeline, APlaneBudgetGivesTheTooLargeHullAFileAndSaysWhatItCost) {
  // The roof body, and the same at a quarter of its size as an excluded volume, with at most 12
  // planes each: every vertex within the own procedure's 0.5 of each plane, and spheres filled
  // into the new hull.
  std::vector<Vector> small = testing::roof_at_zero_body();
  for (Vector& vertex : small) vertex = {vertex.x / 4, vertex.y / 4, vertex.z / 4};
  write_file(dir.file("roof.prm"), model_file_bytes(testing::roof_at_zero_body()));
  write_file(dir.file("small.prm"), model_file_bytes(small));
  fields.set(Field::kGridResolution, "4");
  fields.set(Field::kSampleResolution, "8");
  fields.set(Field::kTargetSpheres, "2");
  fields.set(Field::kMaxPlanes, "12");
  fields.set(Field::kInputFiles, "roof.prm * small.prm");
  RunProduct product;
  ASSERT_EQ(run_pipeline(fields, log, {build_own_hull, kOnPlaneTolerance}, results, &product), RunOutcome::kWritten);
  const std::vector<std::string> middle = middle_lines();
  ASSERT_GE(middle.size(), 9u);
  for (const size_t line : {3u, 7u}) {
    EXPECT_TRUE(std::regex_match(middle[line], std::regex("    Hull reduced to (12|11|10) planes from [0-9]{5,} "
                                                          "\\([-+][0-9]+\\.[0-9]% volume\\)\\.")))
        << middle[line];
  }
  EXPECT_EQ(middle[8], "Creating spheres.");
  EXPECT_FALSE(results.empty());

  const Volume& volume = product.data.volumes.at(0);
  ASSERT_EQ(volume.excluded.size(), 1u);
  for (const auto& [planes, vertices] :
       {std::pair(volume.planes, testing::roof_at_zero_body()), std::pair(volume.excluded[0].planes, small)}) {
    EXPECT_LE(planes.size(), 12u);
    for (const Plane& plane : planes) {
      for (const Vector& vertex : vertices) EXPECT_LE(plane_value(vertex, plane), 0.5);
    }
  }
  EXPECT_EQ(volume.box.min_x, -60.0f);  // the model's box, not the hull's
  EXPECT_EQ(volume.box.max_y, 50.0f);
}

TEST_F(RunPipeline, ABudgetTextThatIsNoBudgetAbortsBeforeAnyFileIsChecked) {
  for (const std::string text :
       {"3", "1", "-12", "+12", "12.0", "1e2", "twelve", "32768", "99999999999999999999", "12 planes", "\t12"}) {
    SCOPED_TRACE(text);
    log.lines.clear();
    fields.set(Field::kMaxPlanes, text);
    EXPECT_EQ(run("missing.prm"), RunOutcome::kAborted);
    const std::vector<LoggedLine> expected{
        {"", Stamp::kPlain},
        {"start", Stamp::kStamped},
        {"Aborting. Max planes must be empty, 0 or a whole number from 4 to 32767, not '" + text + "'.",
         Stamp::kStamped},
        {"", Stamp::kPlain}};
    EXPECT_EQ(log.lines, expected);
  }
  EXPECT_FALSE(std::filesystem::exists(dir.file("out.hul")));
}

TEST_F(RunPipeline, NoBudgetZeroAndABudgetAboveThePlaneCountKeepEveryLineAndByte) {
  ASSERT_EQ(run("cube.prm | tet.m"), RunOutcome::kWritten);
  const std::vector<std::string> unbudgeted = middle_lines();
  const std::string bytes = read_file(dir.file("out.hul"));
  for (const std::string text : {"", "0", "  000 ", "6", " 32767"}) {
    SCOPED_TRACE(text);
    log.lines.clear();
    std::filesystem::remove(dir.file("out.hul"));
    fields.set(Field::kMaxPlanes, text);
    ASSERT_EQ(run("cube.prm | tet.m"), RunOutcome::kWritten);
    EXPECT_EQ(middle_lines(), unbudgeted);
    EXPECT_EQ(read_file(dir.file("out.hul")), bytes);
  }
}

TEST_F(RunPipeline, AFlatModelUnderABudgetIsSaidAndWrittenAsWithout) {
  write_file(dir.file("flat.prm"), model_file_bytes(std::vector<Vector>{{0, 0, 0}, {9, 0, 0}, {0, 0, 9}, {9, 0, 9}}));
  ASSERT_EQ(run("flat.prm"), RunOutcome::kWritten);
  std::vector<std::string> expected = middle_lines();
  const std::string bytes = read_file(dir.file("out.hul"));
  log.lines.clear();
  fields.set(Field::kMaxPlanes, "4");
  ASSERT_EQ(run("flat.prm"), RunOutcome::kWritten);
  expected.insert(expected.begin() + 3,
                  "    No plane budget: the model's points lie in one plane or on one line, so no planes close "
                  "around them.");
  EXPECT_EQ(middle_lines(), expected);
  EXPECT_EQ(read_file(dir.file("out.hul")), bytes);
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
  EXPECT_EQ(run_pipeline(changing, log, {build_own_hull, kOnPlaneTolerance}, results), RunOutcome::kWritten);
  EXPECT_TRUE(std::filesystem::exists(other.file("out.hul")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("out.hul")));
}

// The bytes of a hull file, written out field by field.
class HulBytes {
 public:
  void count(int value) { append_int16(bytes_, value); }
  void reals(std::initializer_list<float> values) {
    for (const float value : values) append_float32(bytes_, value);
  }
  // A volume with no points or edges, a zero offset, and the planes the hull builder gives.
  void volume(const std::vector<Vector>& corners) {
    std::vector<Plane> planes;
    RecordingLog ignored;
    build_own_hull(planes, testing::vertices_of(corners), ignored);
    count(0);
    count(0);
    count(static_cast<int>(planes.size()));
    reals({corners.front().x, corners.back().x, corners.front().y, corners.back().y, corners.front().z,
           corners.back().z});
    reals({0, 0, 0});
    for (const Plane& plane : planes) reals({plane.a, plane.b, plane.c, plane.d});
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// A whole run with spheres, checked line by line, row by row and byte by byte.
//
// Two cubes of 20, one at the origin and one at x = 100, with grid 3, sampling 4 and a target
// of 3. Each cube gets 1.5 spheres, rounded to 2. Its 27 candidates sit at -6.67, 0 and 6.67
// from its centre; its 64 samples at -7.5, -2.5, 2.5 and 7.5. The middle candidate (radius 10)
// covers the 32 samples within 10 of the centre. Then the 12 edge candidates (radius 3.33) tie,
// covering two corner-row samples each, and the first of them in grid order wins.
TEST(RunPipelineWithSpheres, TwoCubesGiveTheExpectedLogTableAndFile) {
  testing::TempDir dir;
  const std::vector<Vector> near = testing::box_corners({-10, -10, -10}, {10, 10, 10});
  const std::vector<Vector> far = testing::box_corners({90, -10, -10}, {110, 10, 10});
  testing::write_file(dir.file("near.prm"), testing::model_file_bytes(near));
  testing::write_file(dir.file("far.prm"), testing::model_file_bytes(far));

  const FieldValues fields({{Field::kWorkingDir, dir.path().string()},
                            {Field::kInputFiles, "near.prm | far.prm"},
                            {Field::kOutputFile, "cubes.hul"},
                            {Field::kGridResolution, "3"},
                            {Field::kSampleResolution, "4"},
                            {Field::kTargetSpheres, "3"},
                            {Field::kOvershoot, "0"}});
  RecordingLog log;
  ResultList results{SphereResult{}};  // a previous run's row
  ASSERT_EQ(run_pipeline(fields, log, {build_own_hull, kOnPlaneTolerance}, results), RunOutcome::kWritten);

  const auto volume_lines = [](const std::string& path) {
    return std::vector<LoggedLine>{
        {"Reading file: " + path + " (8 vertices And 1 polies).", Stamp::kStamped},
        {"Creating Hull.", Stamp::kStamped},
        {"    Number of planes for the Hull: 6", Stamp::kStamped},
    };
  };
  const auto sphere_lines = [](const std::string& x, const std::string& edge_x) {
    return std::vector<LoggedLine>{
        {"Discretizing hull volume with sample_spheres.", Stamp::kStamped},
        {"    Number of sample_spheres used: 64", Stamp::kStamped},
        {"Number of sphere positions that will be tested: 27 (Grid is 3 x 3 x 3).", Stamp::kStamped},
        {"Filling Hull with spheres.", Stamp::kStamped},
        {"Sphere 1 coordinates: x: " + x + ", y: 0.0, z: 0.0, radius: 10.0", Stamp::kStamped},
        {"    Sphere 1 covers 50.0% of the hull volume. (50.0% remains).", Stamp::kStamped},
        {"    Spheres set BBox is covering [x: 100.0%, y: 100.0%, z: 100.0%] of the Hull BBox.", Stamp::kStamped},
        {"Sphere 2 coordinates: x: " + edge_x + ", y: -6.7, z: 0.0, radius: 3.3", Stamp::kStamped},
        {"    Sphere 2 covers 3.1% of the hull volume. (46.9% remains).", Stamp::kStamped},
        {"    Spheres set BBox is covering [x: 100.0%, y: 100.0%, z: 100.0%] of the Hull BBox.", Stamp::kStamped},
    };
  };
  std::vector<LoggedLine> expected{{"", Stamp::kPlain}, {"start", Stamp::kStamped}};
  for (const auto& part : {volume_lines(dir.file("near.prm")), volume_lines(dir.file("far.prm")),
                           std::vector<LoggedLine>{{"Creating spheres.", Stamp::kStamped}}, sphere_lines("0.0", "-6.7"),
                           sphere_lines("100.0", "93.3")}) {
    expected.insert(expected.end(), part.begin(), part.end());
  }
  ASSERT_EQ(log.lines.size(), expected.size() + 1);
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(log.lines[i], expected[i]) << "line " << i;
  EXPECT_TRUE(std::regex_match(log.lines.back().text, std::regex("end \\([0-9]+ms\\)")));

  const std::string header =
      "Sphere\tCHull trimmed volume (%)\tCHull remaining volume (%)\tBBox coverage (x)\tBBox coverage (y)\t"
      "BBox coverage (z)\t\tSphere\tRadius\tCenter (x)\tCenter (y)\tCenter (z)\r\n";
  const std::string first_rows =
      "1\t50.0000000000\t50.0000000000\t100.0000000000\t100.0000000000\t100.0000000000\t\t"
      "1\t10.0000000000\t";
  const std::string second_rows =
      "2\t3.1250000000\t46.8750000000\t100.0000000000\t100.0000000000\t100.0000000000\t\t"
      "2\t3.3333334923\t";
  EXPECT_EQ(result_table_text(results),
            header + first_rows + "0.0000000000\t0.0000000000\t0.0000000000\r\n" +  //
                second_rows + "-6.6666665077\t-6.6666665077\t0.0000000000\r\n" +    //
                header + first_rows + "100.0000000000\t0.0000000000\t0.0000000000\r\n" + second_rows +
                "93.3333358765\t-6.6666665077\t0.0000000000\r\n");

  HulBytes file;
  file.count(2);
  file.volume(near);
  file.volume(far);
  file.count(4);
  file.reals({0, 0, 0, 10, -6.6666665f, -6.6666665f, 0, 3.3333335f});
  file.reals({100, 0, 0, 10, 93.333336f, -6.6666665f, 0, 3.3333335f});
  EXPECT_EQ(testing::read_file(dir.file("cubes.hul")), file.bytes());
}

}  // namespace
}  // namespace ombrix
