// The exact hull procedure against Debian's real qconvex, run by the bridge, on generated
// models: the same output text, the same planes bit for bit and in order, the same log. Skipped
// where the program is not installed.
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hull/exact_procedure.h"
#include "hull/external_hull.h"
#include "hull/external_hull_input.h"
#include "hull/external_hull_process.h"
#include "model/model_file.h"
#include "reference/hull_comparison.h"
#include "reference/recording_log.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

namespace fs = std::filesystem;
using reference::RecordingLog;
using testing::box_corners;
using testing::vertices_of;

const fs::path kInstalledProgram = "/usr/bin/qconvex";

// Uniform in [low, high), from the generator's raw bits: the same numbers on every platform.
class Draw {
 public:
  explicit Draw(std::uint32_t seed) : engine_(seed) {}
  float operator()(float low, float high) {
    return static_cast<float>(low + (high - low) * ((engine_() >> 8) * 0x1p-24));
  }

 private:
  std::mt19937 engine_;
};

std::vector<Vector> random_cloud(std::uint32_t seed, int count, float half) {
  Draw draw(seed);
  std::vector<Vector> points;
  for (int i = 0; i < count; ++i) points.push_back({draw(-half, half), draw(-half, half), draw(-half, half)});
  return points;
}

// Points on a sphere: every one of them a hull vertex, with many small facets.
std::vector<Vector> ball(std::uint32_t seed, int count, double radius) {
  Draw draw(seed);
  std::vector<Vector> points;
  for (int i = 0; i < count; ++i) {
    const double polar = std::acos(draw(-1.0f, 1.0f));
    const double azimuth = draw(0.0f, 2.0f * std::numbers::pi_v<float>);
    points.push_back({static_cast<float>(radius * std::sin(polar) * std::cos(azimuth)),
                      static_cast<float>(radius * std::sin(polar) * std::sin(azimuth)) + 7.0f,
                      static_cast<float>(radius * std::cos(polar)) - 3.0f});
  }
  return points;
}

// A cube whose faces carry a grid of points each: many points on every flat side, which Qhull
// must merge into one facet per side. `turn` rotates it about y and then x, so the rounding of
// the rotated coordinates puts the points slightly off their face.
std::vector<Vector> gridded_cube(double turn) {
  std::vector<Vector> points;
  const double c = std::cos(turn);
  const double s = std::sin(turn);
  const auto place = [&](double x, double y, double z) {
    const double x1 = c * x + s * z;
    const double z1 = -s * x + c * z;
    points.push_back({static_cast<float>(x1), static_cast<float>(c * y - s * z1), static_cast<float>(s * y + c * z1)});
  };
  constexpr int kSteps = 6;
  for (int i = 0; i <= kSteps; ++i) {
    for (int j = 0; j <= kSteps; ++j) {
      const double u = -30.0 + 60.0 * i / kSteps;
      const double v = -30.0 + 60.0 * j / kSteps;
      for (const double side : {-30.0, 30.0}) {
        place(side, u, v);
        place(u, side, v);
        place(u, v, side);
      }
    }
  }
  return points;
}

// The cube's corners, each again a little off and once exactly, with the edges' midpoints.
std::vector<Vector> near_duplicates() {
  std::vector<Vector> points;
  for (const Vector& corner : box_corners({-8, -8, -8}, {8, 8, 8})) {
    points.push_back(corner);
    points.push_back(corner);
    points.push_back({corner.x + 1e-5f, corner.y, corner.z - 1e-7f});
    points.push_back({corner.x, corner.y * 0.9999999f, corner.z});
  }
  for (const Vector& corner : box_corners({-8, -8, 0}, {8, 8, 0})) points.push_back(corner);
  return points;
}

// A box whose zero coordinates are exporter noise: too small for ten decimals.
std::vector<Vector> tiny_coordinates() {
  return {{1e-16f, 1e-19f, -1e-30f}, {10, 1e-40f, 0}, {1e-16f, 10, -0.0f}, {10, 10, 4e-11f},
          {-1e-19f, 0, 10},          {10, 6e-11f, 10}, {0, 10, 10},        {10, 10, 10}};
}

std::vector<Vector> sample_car() {
  VertexList vertices;
  RecordingLog log;
  EXPECT_TRUE(read_model_file(OMBRIX_SAMPLES_DIR "/car/body.prm", vertices, log));
  std::vector<Vector> points;
  for (const MeshVertex& vertex : vertices) points.push_back(vertex.position);
  return points;
}

struct Model {
  const char* name;
  std::vector<Vector> points;
};

std::vector<Model> models() {
  std::vector<Vector> scaled = random_cloud(7, 200, 1.0f);
  for (Vector& point : scaled) point = {point.x * 1e5f, point.y * 3e4f, point.z * 2e5f};
  return {
      {"cube", box_corners({-5, -5, -5}, {5, 5, 5})},
      {"box off the origin", box_corners({100, -20, 3}, {140, 10, 4.5f})},
      {"cube with gridded faces", gridded_cube(0.0)},
      {"turned cube with gridded faces", gridded_cube(0.3)},
      {"random cloud", random_cloud(1, 400, 100.0f)},
      {"large coordinates", scaled},
      {"ball", ball(2, 300, 50.0)},
      {"near-duplicate points", near_duplicates()},
      {"tiny coordinates", tiny_coordinates()},
      {"roof at y = 0", testing::roof_at_zero_body()},
      {"sample car", sample_car()},
      {"flat square", {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}, {0.5f, 0.5f, 0}}},
      {"points on a line", {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}}},
      {"three points", {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}},
      {"two points", {{0, 0, 0}, {1, 2, 3}}},
      {"one point", {{1, 2, 3}}},
      {"no points", {}},
  };
}

TEST(ExactHullAgainstQconvex, SamePlanesBitForBitInTheSameOrderAndTheSameLog) {
  if (!fs::exists(kInstalledProgram)) GTEST_SKIP() << "qconvex is not installed";
  for (const Model& model : models()) {
    SCOPED_TRACE(model.name);
    const VertexList vertices = vertices_of(model.points);
    std::vector<Plane> program_planes;
    RecordingLog program_log;
    build_external_hull_using({.path = kInstalledProgram}, program_planes, vertices, program_log);
    std::vector<Plane> exact_planes;
    RecordingLog exact_log;
    build_exact_hull(exact_planes, vertices, exact_log);

    EXPECT_EQ(reference::first_plane_difference(program_planes, exact_planes), "");
    EXPECT_EQ(exact_log.lines, program_log.lines);
  }
}

TEST(ExactHullAgainstQconvex, SameOutputTextWhereTheProgramGetsFourPointsOrMore) {
  // Below four points the program may take the input as points of another dimension; its
  // output then has no "4" header and gives no planes, which the test above checks.
  if (!fs::exists(kInstalledProgram)) GTEST_SKIP() << "qconvex is not installed";
  size_t hulls = 0;
  for (const Model& model : models()) {
    if (model.points.size() < 4) continue;
    SCOPED_TRACE(model.name);
    const VertexList vertices = vertices_of(model.points);
    const ProgramRun run =
        run_program(kInstalledProgram, "n", external_hull_input_text(vertices), std::chrono::seconds(60));
    ASSERT_TRUE(run.finished_in_time);
    EXPECT_EQ(exact_hull_output(vertices), run.output);
    hulls += run.output.empty() ? 0 : 1;
  }
  EXPECT_EQ(hulls, 11u);  // every model but the flat ones
}

}  // namespace
}  // namespace ombrix
