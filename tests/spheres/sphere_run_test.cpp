// One whole run on generated models: hulls, spheres, the log, the result table and the file.
//
// Two cubes of 20, one at the origin and one at x = 100, with grid 3, sampling 4 and a target
// of 3. Each cube gets 1.5 spheres, rounded to 2. Its 27 candidates sit at -6.67, 0 and 6.67
// from its centre; its 64 samples at -7.5, -2.5, 2.5 and 7.5. The middle candidate (radius 10)
// covers the 32 samples within 10 of the centre. Then the 12 edge candidates (radius 3.33) tie,
// covering two corner-row samples each, and the first of them in grid order wins.
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hull/internal_hull.h"
#include "pipeline/run_pipeline.h"
#include "shared/little_endian.h"
#include "spheres/result_table.h"
#include "reference/recording_log.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using reference::LoggedLine;
using reference::RecordingLog;

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
    build_internal_hull(planes, testing::vertices_of(corners), ignored);
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

TEST(SphereRun, TwoCubesGiveTheExpectedLogTableAndFile) {
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
  ASSERT_EQ(run_pipeline(fields, log, build_internal_hull, results), RunOutcome::kWritten);

  const auto volume_lines = [](const std::string& path) {
    return std::vector<LoggedLine>{
        {"Reading file: " + path + " (8 vertices And 1 polies).", true},
        {"Creating Hull.", true},
        {"    Number of planes for the Hull: 6", true},
    };
  };
  const auto sphere_lines = [](const std::string& x, const std::string& edge_x) {
    return std::vector<LoggedLine>{
        {"Discretizing hull volume with sample_spheres.", true},
        {"    Number of sample_spheres used: 64", true},
        {"Number of sphere positions that will be tested: 27 (Grid is 3 x 3 x 3).", true},
        {"Filling Hull with spheres.", true},
        {"Sphere 1 coordinates: x: " + x + ", y: 0.0, z: 0.0, radius: 10.0", true},
        {"    Sphere 1 covers 50.0% of the hull volume. (50.0% remains).", true},
        {"    Spheres set BBox is covering [x: 100.0%, y: 100.0%, z: 100.0%] of the Hull BBox.", true},
        {"Sphere 2 coordinates: x: " + edge_x + ", y: -6.7, z: 0.0, radius: 3.3", true},
        {"    Sphere 2 covers 3.1% of the hull volume. (46.9% remains).", true},
        {"    Spheres set BBox is covering [x: 100.0%, y: 100.0%, z: 100.0%] of the Hull BBox.", true},
    };
  };
  std::vector<LoggedLine> expected{{"", false}, {"start", true}};
  for (const auto& part : {volume_lines(dir.file("near.prm")), volume_lines(dir.file("far.prm")),
                           std::vector<LoggedLine>{{"Creating spheres.", true}}, sphere_lines("0.0", "-6.7"),
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
                header + first_rows + "100.0000000000\t0.0000000000\t0.0000000000\r\n" +
                second_rows + "93.3333358765\t-6.6666665077\t0.0000000000\r\n");

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
