// Hulls of shapes small enough to check by hand. The comment after a case names the fault it catches.
#include "hull/own/own_hull.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <vector>

#include "model/model_file.h"
#include "shared/recording_log.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::box_corners;
using testing::vertices_of;

std::vector<Plane> hull_of(const std::vector<Vector>& points, RecordingLog* log = nullptr) {
  RecordingLog local;
  std::vector<Plane> planes;
  build_own_hull(planes, vertices_of(points), log ? *log : local);
  return planes;
}

void expect_plane(const Plane& plane, float a, float b, float c, float d) {
  EXPECT_EQ(plane.a, a);
  EXPECT_EQ(plane.b, b);
  EXPECT_EQ(plane.c, c);
  EXPECT_EQ(plane.d, d);
}

TEST(OwnHullShapes, TetrahedronGivesFourOutwardPlanesInDiscoveryOrder) {  // sign flip, order
  const auto planes = hull_of({{0, 0, 0}, {10, 0, 0}, {0, 10, 0}, {0, 0, 10}});
  ASSERT_EQ(planes.size(), 4u);
  expect_plane(planes[0], 0, 0, -1, 0);
  expect_plane(planes[1], 0, -1, 0, 0);
  expect_plane(planes[2], -1, 0, 0, 0);
  // The slanted face is compared to the seven digits it is known by.
  constexpr float kSevenDigits = 1e-6f;
  EXPECT_NEAR(planes[3].a, 0.5773503f, kSevenDigits);
  EXPECT_EQ(planes[3].b, planes[3].a);
  EXPECT_EQ(planes[3].c, planes[3].a);
  EXPECT_NEAR(planes[3].d, -5.7735023f, 1e-5f);
  // The flip negates every field, so the first plane's zeros are negative and its offset positive.
  EXPECT_TRUE(std::signbit(planes[0].a));
  EXPECT_TRUE(std::signbit(planes[0].b));
  EXPECT_FALSE(std::signbit(planes[0].d));
}

TEST(OwnHullShapes, CubeCornersMergeIntoSixUnitFacePlanes) {  // merge misses or over-merges
  const auto planes = hull_of(box_corners({-5, -5, -5}, {5, 5, 5}));
  ASSERT_EQ(planes.size(), 6u);
  expect_plane(planes[0], -1, 0, 0, -5);
  expect_plane(planes[1], 0, -1, 0, -5);
  expect_plane(planes[2], 0, 0, -1, -5);
  expect_plane(planes[3], 0, 0, 1, -5);
  expect_plane(planes[4], 0, 1, 0, -5);
  expect_plane(planes[5], 1, 0, 0, -5);
}

TEST(OwnHullShapes, FacesThroughTheOriginAreNeverMerged) {  // relative offset test made absolute
  RecordingLog log;
  const auto planes = hull_of(box_corners({0, 0, 0}, {10, 10, 10}), &log);
  EXPECT_EQ(planes.size(), 15u);
  EXPECT_EQ(log.lines.back().text, "    Number of planes for the Hull: 15");
}

TEST(OwnHullTolerance, VertexExactlyHalfAUnitAwayCountsAsOnThePlane) {  // < written for <=
  // A square in z = 0 and one apex above it; a fifth vertex 0.5 below the square's plane.
  std::vector<Vector> points{{0, 0, 0}, {10, 0, 0}, {0, 10, 0}, {10, 10, 0}, {5, 5, 10}, {5, 5, -0.5f}};
  const auto on_plane = hull_of(points);
  points.back().z = -0.5001f;
  const auto beyond = hull_of(points);
  // With the vertex on the plane the base survives as a face; beyond it the base is no face.
  auto has_base = [](const std::vector<Plane>& planes) {
    for (const Plane& p : planes) {
      if (p.a == 0 && p.b == 0 && p.c < -0.99f) return true;
    }
    return false;
  };
  EXPECT_TRUE(has_base(on_plane));
  EXPECT_FALSE(has_base(beyond));
}

TEST(OwnHullMerge, MergedNormalIsAveragedNotRescaled) {  // stray normalize()
  // A roof of two faces 4 degrees apart: their planes merge and the average normal is shorter than 1.
  const float rise = static_cast<float>(100.0 * std::tan(4.0 * M_PI / 180.0));
  std::vector<Vector> points{{0, 0, 100},
                             {0, 100, 100},
                             {100, 0, 100 + rise},
                             {100, 100, 100 + rise},
                             {-100, 0, 100 + rise},
                             {-100, 100, 100 + rise},
                             {0, 50, 0}};
  const auto planes = hull_of(points);
  bool found_short_normal = false;
  for (const Plane& p : planes) {
    const double length = std::sqrt(double(p.a) * p.a + double(p.b) * p.b + double(p.c) * p.c);
    if (length < 0.9999 && length > 0.999) found_short_normal = true;
  }
  EXPECT_TRUE(found_short_normal);
}

TEST(OwnHullDegenerate, FewerThanThreeVerticesOrAFlatModelGiveNoPlanes) {
  RecordingLog log;
  EXPECT_TRUE(hull_of({{0, 0, 0}, {1, 1, 1}}, &log).empty());
  EXPECT_TRUE(hull_of({}, &log).empty());
  EXPECT_TRUE(hull_of({{0, 0, 0}, {10, 0, 0}, {0, 10, 0}, {10, 10, 0}, {3, 4, 0}}, &log).empty());
  EXPECT_EQ(log.lines.back().text, "    Number of planes for the Hull: 0");
}

TEST(OwnHullDegenerate, RepeatedVertexStillGivesSixPlanesForAnOffOriginCube) {
  auto points = box_corners({-5, -5, -5}, {5, 5, 5});
  points.push_back(points[3]);
  const auto planes = hull_of(points);
  ASSERT_EQ(planes.size(), 6u);
  expect_plane(planes[0], -1, 0, 0, -5);
}

TEST(OwnHullSamples, EveryVertexIsOnTheInnerSideOfEveryPlane) {  // orientation
  const std::string path = std::string(OMBRIX_SAMPLES_DIR) + "/car/body.prm";
  SCOPED_TRACE(path);
  VertexList vertices;
  RecordingLog log;
  ASSERT_TRUE(read_model_file(path, vertices, log));
  std::vector<Plane> planes;
  build_own_hull(planes, vertices, log);
  ASSERT_GE(planes.size(), 6u);
  // Merged planes are averages, so a vertex may stand a little beyond the 0.5 of a single face.
  constexpr double kMergedTolerance = 1.0;
  for (const Plane& plane : planes) {
    for (const MeshVertex& vertex : vertices) {
      ASSERT_LE(plane_value(vertex.position, plane), kMergedTolerance);
    }
  }
}

TEST(OwnHullLog, ReportsStartAndFinalPlaneCountStamped) {  // count logged before merging
  RecordingLog log;
  hull_of(box_corners({-5, -5, -5}, {5, 5, 5}), &log);
  const std::vector<LoggedLine> expected{{"Creating Hull.", Stamp::kStamped},
                                         {"    Number of planes for the Hull: 6", Stamp::kStamped}};
  EXPECT_EQ(log.lines, expected);
}

TEST(OwnHullLog, AppendsWithoutClearing) {
  std::vector<Plane> planes{{9, 9, 9, 9}};
  RecordingLog log;
  build_own_hull(planes, vertices_of(box_corners({-5, -5, -5}, {5, 5, 5})), log);
  ASSERT_EQ(planes.size(), 7u);
  expect_plane(planes[0], 9, 9, 9, 9);
}

}  // namespace
}  // namespace ombrix
