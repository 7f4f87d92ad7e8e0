// The exact hull procedure against Debian's real qconvex, run by the bridge, on generated
// models: the same output text, the same planes bit for bit and in order, the same log. Skipped
// where the program is not installed.
#include <array>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "hull/external/external_hull.h"
#include "hull/external/external_hull_input.h"
#include "hull/external/external_hull_process.h"
#include "hull/qhull/exact_procedure.h"
#include "model/model_file.h"
#include "reference/hull_comparison.h"
#include "shared/recording_log.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::box_corners;

const std::filesystem::path kInstalledProgram = "/usr/bin/qconvex";

std::vector<Vector> random_cloud(int count, float half) {
  std::mt19937 bits(1);  // raw bits, not a distribution: the same points everywhere
  const auto draw = [&] { return half * static_cast<float>((bits() >> 8) * 0x1p-23 - 1.0); };
  std::vector<Vector> points;
  for (int i = 0; i < count; ++i) points.push_back({draw(), draw(), draw()});
  return points;
}

// A cube with a 7 by 7 grid of points on every face, which Qhull merges into one facet per face;
// turned about y, the rounding of the coordinates puts the points slightly off their faces.
std::vector<Vector> gridded_cube(double turn) {
  const double c = std::cos(turn);
  const double s = std::sin(turn);
  std::vector<Vector> points;
  for (int i = 0; i <= 6; ++i) {
    for (int j = 0; j <= 6; ++j) {
      const double u = -30.0 + 10.0 * i;
      const double v = -30.0 + 10.0 * j;
      for (const double side : {-30.0, 30.0}) {
        for (const auto& [x, y, z] : {std::array{side, u, v}, std::array{u, side, v}, std::array{u, v, side}}) {
          points.push_back(
              {static_cast<float>(c * x + s * z), static_cast<float>(y), static_cast<float>(c * z - s * x)});
        }
      }
    }
  }
  return points;
}

std::vector<Vector> sample_car() {
  VertexList vertices;
  RecordingLog log;
  EXPECT_TRUE(read_model_file(OMBRIX_SAMPLES_DIR "/car/body.prm", vertices, log));
  std::vector<Vector> points;
  for (const MeshVertex& vertex : vertices) points.push_back(vertex.position);
  return points;
}

TEST(ExactHullAgainstQconvex, SameOutputTextPlanesAndLog) {
  if (!std::filesystem::exists(kInstalledProgram)) GTEST_SKIP() << "qconvex is not installed";
  const std::vector<std::pair<const char*, std::vector<Vector>>> models = {
      {"box off the origin", box_corners({100, -20, 3}, {140, 10, 4.5f})},
      {"cube with gridded faces", gridded_cube(0.0)},
      {"turned cube with gridded faces", gridded_cube(0.3)},
      {"random cloud", random_cloud(400, 100.0f)},
      {"near-duplicate points",
       {{0, 0, 0},
        {0, 0, 0},
        {8, 0, 0},
        {8, 1e-5f, 0},
        {0, 8, 0},
        {8, 8, 0},
        {0, 0, 8},
        {8, 8, 8},
        {8, 8, 8 - 1e-6f},
        {8, 8, 8.0000001f}}},
      // Exporter noise, too small for ten decimals.
      {"tiny coordinates",
       {{1e-16f, 1e-19f, -1e-30f},
        {10, 1e-40f, 0},
        {0, 10, -0.0f},
        {10, 10, 4e-11f},
        {-1e-19f, 0, 10},
        {10, 6e-11f, 10},
        {0, 10, 10},
        {10, 10, 10}}},
      {"roof at y = 0", testing::roof_at_zero_body()},
      {"sample car", sample_car()},
      {"flat square", {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}}},
      // The program reads two points as three in two dimensions: a hull, but no "4" header.
      {"two points", {{0, 0, 0}, {1, 2, 3}}},
  };
  for (const auto& [name, points] : models) {
    SCOPED_TRACE(name);
    const VertexList vertices = testing::vertices_of(points);
    std::vector<Plane> program_planes;
    RecordingLog program_log;
    build_external_hull_using({.path = kInstalledProgram}, program_planes, vertices, program_log);
    std::vector<Plane> exact_planes;
    RecordingLog exact_log;
    build_exact_hull(exact_planes, vertices, exact_log);

    EXPECT_EQ(reference::first_plane_difference(program_planes, exact_planes), "");
    EXPECT_EQ(exact_log.lines, program_log.lines);
    if (points.size() >= 4) {
      const std::string input = external_hull_input_text(vertices);
      const ExternalHullProgram limits;
      const ProgramRun program = run_program(kInstalledProgram, "n", input, limits.time_limit, limits.output_limit);
      EXPECT_EQ(exact_hull_output(vertices), program.output);
    }
  }
}

}  // namespace
}  // namespace ombrix
