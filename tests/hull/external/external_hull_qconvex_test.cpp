// The bridge with the real program (Debian's qhull-bin), on models generated here. Skipped where
// the program is not installed.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hull/external/external_hull.h"
#include "hull/external/external_hull_output.h"
#include "hull/own/own_hull.h"
#include "shared/recording_log.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

namespace fs = std::filesystem;
using testing::box_corners;
using testing::read_file;
using testing::TempDir;
using testing::vertices_of;
using testing::write_file;

const fs::path kInstalledProgram = "/usr/bin/qconvex";

// The program prints about 16 digits; reading them into single precision is what remains.
constexpr double kPlaneTolerance = 1e-3;

bool program_installed() { return fs::exists(kInstalledProgram); }

std::vector<Plane> external_planes(const std::vector<Vector>& points) {
  std::vector<Plane> planes;
  RecordingLog log;
  build_external_hull_using({.path = kInstalledProgram}, planes, vertices_of(points), log);
  return planes;
}

size_t own_plane_count(const std::vector<Vector>& points) {
  std::vector<Plane> planes;
  RecordingLog log;
  build_own_hull(planes, vertices_of(points), log);
  return planes.size();
}

// Points on rings of a ball, off the origin, plus some inside it: a rounded model with many
// facets, none of them parallel to an axis.
std::vector<Vector> ball_points() {
  std::vector<Vector> points;
  const Vector centre = {40.0f, -25.0f, 7.5f};
  for (int ring = 1; ring < 8; ++ring) {
    const double polar = std::numbers::pi * ring / 8;
    for (int step = 0; step < 12; ++step) {
      const double azimuth = 2 * std::numbers::pi * (step + 0.5 * ring) / 12;
      const double radius = 30.0 + 3.0 * (step % 3);
      points.push_back({static_cast<float>(centre.x + radius * std::sin(polar) * std::cos(azimuth)),
                        static_cast<float>(centre.y + radius * std::sin(polar) * std::sin(azimuth)),
                        static_cast<float>(centre.z + radius * std::cos(polar))});
    }
  }
  points.push_back({centre.x, centre.y, centre.z + 31});
  points.push_back({centre.x, centre.y, centre.z - 31});
  for (int i = 0; i < 20; ++i) points.push_back({centre.x + i - 10, centre.y + 0.5f * i, centre.z - 0.25f * i});
  return points;
}

const std::vector<Vector> kTetrahedron = {{0, 0, 0}, {10, 0, 0}, {0, 10, 0}, {0, 0, 10}};

TEST(ExternalHullWithQconvex, CubeAndTetrahedronGiveAsManyPlanesAsTheOwnProcedure) {
  if (!program_installed()) GTEST_SKIP() << "qconvex is not installed";
  const std::vector<Vector> cube = box_corners({-5, -5, -5}, {5, 5, 5});
  EXPECT_EQ(external_planes(cube).size(), 6u);
  EXPECT_EQ(external_planes(cube).size(), own_plane_count(cube));
  EXPECT_EQ(external_planes(kTetrahedron).size(), 4u);
  EXPECT_EQ(external_planes(kTetrahedron).size(), own_plane_count(kTetrahedron));
}

TEST(ExternalHullWithQconvex, EveryPlanePointsOutAndTouchesTheModel) {
  if (!program_installed()) GTEST_SKIP() << "qconvex is not installed";
  const std::vector<std::pair<const char*, std::vector<Vector>>> models = {
      {"cube off the origin", box_corners({100, -20, 3}, {140, 10, 4.5f})},
      {"tetrahedron", kTetrahedron},
      {"ball", ball_points()},
  };
  for (const auto& [name, points] : models) {
    SCOPED_TRACE(name);
    const std::vector<Plane> planes = external_planes(points);
    ASSERT_GE(planes.size(), 4u);
    for (const Plane& plane : planes) {
      EXPECT_NEAR(vector_length(plane_normal(plane)), 1.0, 1e-6);
      // Every vertex on the inner side, and at least one on the plane itself: a flipped normal
      // or a misread offset breaks one of the two.
      double highest = -INFINITY;
      for (const Vector& point : points) highest = std::max(highest, plane_value(point, plane));
      EXPECT_NEAR(highest, 0.0, kPlaneTolerance) << plane.a << " " << plane.b << " " << plane.c << " " << plane.d;
    }
  }
}

TEST(ExternalHullWithQconvex, FlatModelGivesNoPlanes) {
  // The program refuses a flat input (on its standard error): the log still reports 0.
  if (!program_installed()) GTEST_SKIP() << "qconvex is not installed";
  const std::vector<Vector> square = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}};
  std::vector<Plane> planes;
  RecordingLog log;
  build_external_hull_using({.path = kInstalledProgram}, planes, vertices_of(square), log);
  EXPECT_TRUE(planes.empty());
  EXPECT_EQ(log.texts(), std::vector<std::string>{"    Number of planes for the Hull: 0"});
}

}  // namespace
}  // namespace ombrix
