// Models made to break the hull: coincident, collinear, subnormal, far larger and thin ones.
// Each is hulled within the suite's time; where the literal procedure can finish it gives the
// same planes, where it cannot (thousands of vertices) the answer is known; and within the model
// reader's coordinate bound no plane holds a value that is not finite or a normal far from unit
// length (an average of merged normals within 5° is at least cos 5° long).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "hull/own/model_random.h"
#include "hull/own/own_hull.h"
#include "model/model_file.h"
#include "reference/hull_comparison.h"
#include "reference/literal_hull.h"
#include "shared/recording_log.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::ModelRandom;

constexpr int kCompareWithLiteral = -1;

struct HostileModel {
  std::string name;
  std::function<std::vector<Vector>()> make;
  int planes = kCompareWithLiteral;  // the known count where the literal procedure takes too long
};

std::vector<Vector> copies_of(const std::vector<Vector>& positions, size_t count) {
  std::vector<Vector> points;
  ModelRandom random(count);
  while (points.size() < count) points.push_back(positions[random.whole(0, positions.size() - 1)]);
  return points;
}

std::vector<Vector> cloud(size_t count, double half, std::uint32_t seed) {
  ModelRandom random(seed);
  std::vector<Vector> points;
  while (points.size() < count) points.push_back(random.point_in_box(half));
  return points;
}

std::vector<Vector> body_with(float odd, std::uint32_t seed) {
  ModelRandom random(seed);
  std::vector<Vector> points = testing::car_like_body(random, 150, 30.0);
  points[7].x = odd;
  return points;
}

// Within half a unit of a slanted plane, or on it up to rounding when `half_thickness` is 0.
std::vector<Vector> slab(size_t count, double half_thickness, std::uint32_t seed) {
  ModelRandom random(seed);
  std::vector<Vector> points;
  while (points.size() < count) {
    const double s = random.between(-50.0, 50.0);
    const double t = random.between(-50.0, 50.0);
    const double h = random.between(-half_thickness, half_thickness);
    points.push_back({static_cast<float>(0.6 * s - 0.48 * t + 0.64 * h + 3.0),
                      static_cast<float>(0.8 * s + 0.36 * t - 0.48 * h + 3.0),
                      static_cast<float>(0.8 * t + 0.6 * h + 3.0)});
  }
  return points;
}

// Whole steps along a direction of binary fractions keep every point exactly on the line, so
// every cross product is exactly zero; other steps round off it.
std::vector<Vector> line(size_t count, double scale, bool whole_steps, std::uint32_t seed) {
  ModelRandom random(seed);
  const Vector along = whole_steps ? Vector{0.25f, -1.5f, 2.75f} : Vector{0.3f, -1.7f, 2.9f};
  std::vector<Vector> points;
  while (points.size() < count) {
    const double t = whole_steps ? static_cast<double>(random.whole(0, 1000)) - 500.0 : random.between(-500.0, 500.0);
    points.push_back({static_cast<float>(1.0 + along.x * t * scale), static_cast<float>(2.0 + along.y * t * scale),
                      static_cast<float>(3.0 + along.z * t * scale)});
  }
  return points;
}

void expect_finite_with_unit_normals(const std::vector<Plane>& planes) {
  for (const Plane& plane : planes) {
    ASSERT_TRUE(is_finite(plane)) << plane.a << " " << plane.b << " " << plane.c << " " << plane.d;
    const double length = vector_length(plane_normal(plane));
    ASSERT_GE(length, 0.996);
    ASSERT_LE(length, 1.0 + 0x1p-20);
  }
}

TEST(HostileModels, GiveTheLiteralPlanesOrTheKnownCountAndOnlyFiniteUnitPlanes) {
  const float subnormal = std::numeric_limits<float>::denorm_min();
  const std::vector<HostileModel> models{
      {"five vertices mixing values near 1e38 and subnormals",
       [] {
         return std::vector<Vector>{{1.4693679e-38f, 4.18504e-08f, -6.8589e-41f},
                                    {4.5932e-41f, -1.6000573e-23f, 1.7586718e-38f},
                                    {-1.834335e+38f, 1.9259593e-34f, 5.5102e-41f},
                                    {-4.5918e-41f, 1.1755123e-38f, 9.458913e-38f},
                                    {-2.3421639e-38f, 2.311116e-34f, -4.5918e-41f}};
       }},
      {"a triple whose cross product is subnormal",
       [] {
         return std::vector<Vector>{{0, 0, 0}, {3.74e-23f, 0, 0}, {0, 3.74e-23f, 3.74e-23f}, {0, 0, 5}};
       }},
      {"cross products at the edge of the normal floats",
       [] {
         return std::vector<Vector>{{0, 0, 0}, {1.1e-19f, 0, 0}, {0, 1.1e-19f, 1.1e-19f}, {0, 0, 5}, {7, 1, 2}};
       }},
      {"3000 vertices on two positions",
       [] {
         return copies_of({{1.5f, -2.25f, 3}, {-7, 4, 0.5f}}, 3000);
       },
       0},
      {"3000 vertices on three positions",
       [] {
         return copies_of({{1, 2, 3}, {40, -2, 9}, {3, 30, -20}}, 3000);
       },
       0},
      {"3000 subnormal vertices", [&] { return cloud(3000, 1e-40, 1); }, 0},
      {"32767 vertices within 1e-30", [&] { return cloud(32767, 1e-30, 2); }, 0},
      {"32767 copies of the smallest subnormal and zero",
       [&] {
         return copies_of({{subnormal, 0, subnormal}, {0, subnormal, 0}, {-subnormal, 0, 0}}, 32767);
       },
       0},
      {"3000 vertices on a line in whole steps", [] { return line(3000, 1.0, true, 3); }, 0},
      {"200 vertices on a slanted line", [] { return line(200, 1.0, false, 4); }},
      {"200 vertices on a slanted line 2000 times longer", [] { return line(200, 2000.0, false, 5); }},
      {"a body with one coordinate at 1.2e-16", [] { return body_with(1.2e-16f, 6); }},
      {"a body with one coordinate at 2e12", [] { return body_with(2e12f, 7); }},
      {"a body with one coordinate at 5e9", [] { return body_with(5e9f, 4); }},
      {"a body with one coordinate at -1e18", [] { return body_with(-1e18f, 8); }},
      {"80 vertices within 0.5 of a slanted plane", [] { return slab(80, 0.5, 9); }},
      {"150 vertices on a slanted plane", [] { return slab(150, 0.0, 10); }},
  };
  for (const HostileModel& model : models) {
    SCOPED_TRACE(model.name);
    const VertexList vertices = testing::vertices_of(model.make());
    std::vector<Plane> planes;
    RecordingLog log;
    build_own_hull(planes, vertices, log);
    if (model.planes == kCompareWithLiteral) {
      std::vector<Plane> literal;
      RecordingLog literal_log;
      reference::build_literal_hull(literal, vertices, literal_log);
      EXPECT_EQ(reference::first_plane_difference(literal, planes), "");
    } else {
      EXPECT_EQ(planes.size(), static_cast<size_t>(model.planes));
    }
    bool within_bound = true;
    for (const MeshVertex& vertex : vertices) {
      for (const float coordinate : {vertex.position.x, vertex.position.y, vertex.position.z}) {
        within_bound = within_bound && std::fabs(coordinate) <= kLargestCoordinate;
      }
    }
    if (within_bound) expect_finite_with_unit_normals(planes);
  }
}

}  // namespace
}  // namespace ombrix
