// The solid of a hull's planes: what the viewer draws and inspect checks closure with.
#include "hull/solid/hull_solid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "hull/solid/chebyshev_centre.h"

namespace ombrix {
namespace {

// The box from -5 to 5 on x, -4 to 4 on y, -3 to 3 on z, outward normals.
std::vector<Plane> box_planes() {
  return {{-1, 0, 0, -5}, {1, 0, 0, -5}, {0, -1, 0, -4}, {0, 1, 0, -4}, {0, 0, -1, -3}, {0, 0, 1, -3}};
}

double face_area_along_normal(const HullSolid& solid, const SolidFace& face, const Plane& plane) {
  // Twice the signed area seen from outside: positive when the corners run counter-clockwise.
  double sum = 0.0;
  for (size_t i = 0; i < face.corners.size(); ++i) {
    const Vector& p = solid.corners[face.corners[i]];
    const Vector& q = solid.corners[face.corners[(i + 1) % face.corners.size()]];
    sum += plane.a * (double(p.y) * q.z - double(p.z) * q.y) + plane.b * (double(p.z) * q.x - double(p.x) * q.z) +
           plane.c * (double(p.x) * q.y - double(p.y) * q.x);
  }
  return sum;
}

// Every face runs counter-clockwise seen from outside and its corners lie on its plane.
void expect_well_formed(const HullSolid& solid, const std::vector<Plane>& planes) {
  for (const SolidFace& face : solid.faces) {
    SCOPED_TRACE("face of plane " + std::to_string(face.plane));
    ASSERT_GE(face.corners.size(), 3u);
    const Plane& plane = planes[face.plane];
    EXPECT_GT(face_area_along_normal(solid, face, plane), 0.0);
    const double length = std::sqrt(double(plane.a) * plane.a + double(plane.b) * plane.b + double(plane.c) * plane.c);
    for (const size_t corner : face.corners) EXPECT_NEAR(plane_value(solid.corners[corner], plane) / length, 0.0, 1e-3);
  }
}

TEST(HullSolidShapes, ABoxGivesEightCornersAndSixQuadrilateralsCounterClockwiseFromOutside) {
  const std::vector<Plane> planes = box_planes();
  HullSolid solid;
  ASSERT_EQ(solid_of_planes(planes, solid), SolidResult::kClosed);
  EXPECT_EQ(solid.corners.size(), 8u);  // corners where three faces meet are not repeated
  ASSERT_EQ(solid.faces.size(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(solid.faces[i].plane, i);
    EXPECT_EQ(solid.faces[i].corners.size(), 4u);
  }
  expect_well_formed(solid, planes);
  EXPECT_NEAR(solid.inside_depth, 3.0, 1e-9);  // the thinnest side's half
  EXPECT_NEAR(solid.inside.z, 0.0, 1e-6);
}

TEST(HullSolidShapes, AHullFarFromTheOriginWithManyPlanesIsFoundInside) {
  // 400 tangent planes of a ball of radius 2 at (1000, -500, 30), unnormalised, a redundant
  // plane well outside, and each plane a second time nudged by a rounding error: the box
  // centre of the planes' offsets is nowhere near inside.
  std::vector<Plane> planes;
  const double cx = 1000, cy = -500, cz = 30;
  for (int i = 0; i < 400; ++i) {
    const double z = 1.0 - (2.0 * i + 1.0) / 400.0;
    const double r = std::sqrt(1.0 - z * z);
    const double angle = i * std::numbers::pi * (3.0 - std::sqrt(5.0));
    const double x = r * std::cos(angle), y = r * std::sin(angle);
    const double d = -(x * cx + y * cy + z * cz) - 2.0;
    planes.push_back({float(3 * x), float(3 * y), float(3 * z), float(3 * d)});
    planes.push_back({float(x), float(y), std::nextafter(float(z), 2.0f), float(d)});
  }
  planes.push_back({1, 0, 0, float(-cx - 50)});
  HullSolid solid;
  ASSERT_EQ(solid_of_planes(planes, solid), SolidResult::kClosed);
  EXPECT_LE(solid.faces.size(), 401u);
  EXPECT_GE(solid.faces.size(), 300u);
  for (const SolidFace& face : solid.faces) EXPECT_NE(face.plane, planes.size() - 1);
  expect_well_formed(solid, planes);
  EXPECT_NEAR(solid.inside.x, cx, 0.1);
  EXPECT_NEAR(solid.inside_depth, 2.0, 0.05);
}

TEST(HullSolidRefusals, PlanesThatCloseNothingSayWhy) {
  const float inf = std::numeric_limits<float>::infinity();
  std::vector<Plane> open_box = box_planes();
  open_box.pop_back();
  std::vector<Plane> crossed = box_planes();
  crossed.push_back({1, 0, 0, 6});  // x <= -6 beside x >= -5
  std::vector<Plane> flat = box_planes();
  flat[1] = {1, 0, 0, 5};  // x <= -5 beside x >= -5: a square with no thickness
  std::vector<Plane> zero_normal_outside = box_planes();
  zero_normal_outside.push_back({0, 0, 0, 1});
  std::vector<Plane> zero_normal_harmless = box_planes();
  zero_normal_harmless.push_back({0, 0, 0, -1});
  std::vector<Plane> not_finite = box_planes();
  not_finite[2].d = inf;
  const std::vector<Plane> through_origin = {{1, 0, 0, 0},  {-1, 0, 0, 0}, {0, 1, 0, 0},
                                             {0, -1, 0, 0}, {0, 0, 1, 0},  {0, 0, -1, 0}};

  const struct {
    const char* name;
    std::vector<Plane> planes;
    SolidResult result;
  } rows[] = {
      {"no planes", {}, SolidResult::kUnbounded},
      {"one side missing", open_box, SolidResult::kUnbounded},
      {"three planes", {box_planes()[0], box_planes()[2], box_planes()[4]}, SolidResult::kUnbounded},
      {"disjoint half spaces", crossed, SolidResult::kEmpty},
      {"zero thickness", flat, SolidResult::kFlat},
      {"a point at the origin", through_origin, SolidResult::kFlat},
      {"zero normal with d above 0", zero_normal_outside, SolidResult::kEmpty},
      {"zero normal with d below 0", zero_normal_harmless, SolidResult::kClosed},
      {"an infinite offset", not_finite, SolidResult::kNotFinite},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    HullSolid solid;
    solid.corners.resize(3);  // emptied whatever the result
    EXPECT_EQ(solid_of_planes(row.planes, solid), row.result);
    if (row.result != SolidResult::kClosed) {
      EXPECT_TRUE(solid.corners.empty());
      EXPECT_TRUE(solid.faces.empty());
    }
  }
}

TEST(ChebyshevCentre, AnEmptySetOfPlanesGivesTheLeastViolatingPointWithANegativeDepth) {
  // x <= -1 and x >= 1: the best point is x = 0, one unit out of both.
  const std::vector<FacetPlane> planes = {{1, 0, 0, 1}, {-1, 0, 0, 1}};
  const std::optional<DeepestPoint> point = chebyshev_centre(planes, 100.0);
  ASSERT_TRUE(point.has_value());
  EXPECT_NEAR(point->x, 0.0, 1e-9);
  EXPECT_NEAR(point->depth, -1.0, 1e-9);
}

}  // namespace
}  // namespace ombrix
