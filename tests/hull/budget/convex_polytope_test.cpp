// The polytope the plane budget weighs its choices with: cuts whose volumes and faces can be
// worked out by hand.
#include "hull/budget/convex_polytope.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ombrix {
namespace {

constexpr double kTolerance = 1e-12;

ConvexPolytope unit_cube() { return ConvexPolytope({0.0, 0.0, 0.0}, {1.0, 1.0, 1.0}, kTolerance); }

// The plane a·p <= b as a FacetPlane with a unit normal.
FacetPlane halfspace(double a, double b, double c, double bound) {
  const double length = std::sqrt(a * a + b * b + c * c);
  return {a / length, b / length, c / length, -bound / length};
}

// Every face runs counter-clockwise seen from outside: its area vector points away from the
// polytope's centre. A cap sorted the wrong way round would give a negative volume share.
void expect_faces_turn_outward(const ConvexPolytope& polytope) {
  Point3 centre;
  for (const Point3& p : polytope.corners()) centre = {centre.x + p.x, centre.y + p.y, centre.z + p.z};
  const double n = static_cast<double>(polytope.corners().size());
  centre = {centre.x / n, centre.y / n, centre.z / n};
  for (const PolytopeFace& face : polytope.faces()) {
    const std::span<const size_t> loop = polytope.face_corners(face);
    Point3 area;
    for (size_t k = 0; k < loop.size(); ++k) {
      const Point3& p = polytope.corners()[loop[k]];
      const Point3& q = polytope.corners()[loop[(k + 1) % loop.size()]];
      area = {area.x + (p.y * q.z - p.z * q.y), area.y + (p.z * q.x - p.x * q.z), area.z + (p.x * q.y - p.y * q.x)};
    }
    const Point3& first = polytope.corners()[loop[0]];
    const double outward =
        area.x * (first.x - centre.x) + area.y * (first.y - centre.y) + area.z * (first.z - centre.z);
    EXPECT_GT(outward, 0.0) << "face labelled " << face.label;
  }
}

TEST(ConvexPolytopeCuts, ACornerCutOffLeavesTheCubeLessItsTetrahedron) {
  // x + y + z <= 2.5 takes the corner (1, 1, 1) with legs of 0.5: a tetrahedron of 1/48.
  ConvexPolytope cube = unit_cube();
  ASSERT_TRUE(cube.cut(halfspace(1, 1, 1, 2.5), 7));
  EXPECT_NEAR(cube.volume(), 1.0 - 1.0 / 48.0, 1e-12);
  EXPECT_EQ(cube.corners().size(), 10u);  // 7 corners kept, 3 made on the cut edges
  ASSERT_NE(cube.face_with_label(7), nullptr);
  EXPECT_EQ(cube.face_with_label(7)->count, 3u);
  expect_faces_turn_outward(cube);

  // The cut triangle has sides of 0.5·√2 and its centroid at (5/6, 5/6, 5/6).
  const FaceShape shape = cube.face_shape(*cube.face_with_label(7));
  EXPECT_NEAR(shape.area, std::sqrt(3.0) / 4.0 * 0.5, 1e-12);
  EXPECT_NEAR(shape.centroid.x, 5.0 / 6.0, 1e-12);
  EXPECT_NEAR(shape.centroid.z, 5.0 / 6.0, 1e-12);
}

TEST(ConvexPolytopeCuts, APlaneThroughCornersReusesThemInsteadOfMakingNewOnes) {
  // x + y <= 1 runs through the cube's edges at (1, 0, z) and (0, 1, z): a prism of half the
  // cube with 6 corners and 5 faces. Corners made again on the plane would split faces apart.
  ConvexPolytope cube = unit_cube();
  ASSERT_TRUE(cube.cut(halfspace(1, 1, 0, 1), 0));
  EXPECT_NEAR(cube.volume(), 0.5, 1e-12);
  EXPECT_EQ(cube.corners().size(), 6u);
  EXPECT_EQ(cube.faces().size(), 5u);
  expect_faces_turn_outward(cube);
}

TEST(ConvexPolytopeCuts, APlaneThatCutsNothingChangesNothing) {
  ConvexPolytope cube = unit_cube();
  EXPECT_FALSE(cube.cut(halfspace(1, 1, 1, 3.0), 0));          // outside the cube
  EXPECT_FALSE(cube.cut(halfspace(1, 0, 0, 1.0), 1));          // on its face x = 1
  EXPECT_FALSE(cube.cut(halfspace(1, 0, 0, 1.0 + 1e-13), 2));  // within the tolerance of it
  EXPECT_DOUBLE_EQ(cube.volume(), 1.0);
  EXPECT_FALSE(cube.has_label(1));
  EXPECT_EQ(cube.faces().size(), 6u);
}

TEST(ConvexPolytopeCuts, APlaneWithTheWholePolytopeBeyondItLeavesItEmpty) {
  ConvexPolytope cube = unit_cube();
  ASSERT_TRUE(cube.cut(halfspace(1, 0, 0, -0.5), 0));
  EXPECT_TRUE(cube.empty());
  EXPECT_EQ(cube.volume(), 0.0);
  EXPECT_FALSE(cube.cut(halfspace(-1, 0, 0, 0.0), 1));
}

TEST(ConvexPolytopeCuts, TheBoxFacesStayUntilPlanesCloseTheRegion) {
  // Three planes around the corner (1, 1, 1) leave the box's far faces; a fourth facing the
  // other way closes the tetrahedron x, y, z <= 1, x + y + z >= 2.5 without them.
  ConvexPolytope region({-100.0, -100.0, -100.0}, {100.0, 100.0, 100.0}, kTolerance);
  for (int axis = 0; axis < 3; ++axis) region.cut(halfspace(axis == 0, axis == 1, axis == 2, 1.0), axis);
  EXPECT_TRUE(region.has_label(kBoxLabel));
  region.cut(halfspace(-1, -1, -1, -2.5), 3);
  EXPECT_FALSE(region.has_label(kBoxLabel));
  EXPECT_NEAR(region.volume(), 0.5 * 0.5 * 0.5 / 6.0, 1e-12);
  expect_faces_turn_outward(region);
}

TEST(ConvexPolytopeCuts, ManyCutsAroundABallApproachItsVolume) {
  // 400 tangent planes of the ball of radius 2: the volume lies just above the ball's, and each
  // face still turns outward after cuts that meet earlier faces at every angle.
  ConvexPolytope region({-3.0, -3.0, -3.0}, {3.0, 3.0, 3.0}, kTolerance);
  for (int i = 0; i < 400; ++i) {
    const double z = 1.0 - (2.0 * i + 1.0) / 400.0;
    const double r = std::sqrt(1.0 - z * z);
    const double angle = i * 2.399963229728653;
    region.cut({r * std::cos(angle), r * std::sin(angle), z, -2.0}, i);
  }
  const double ball = 4.0 / 3.0 * 3.141592653589793 * 8.0;
  EXPECT_GT(region.volume(), ball);
  EXPECT_LT(region.volume(), ball * 1.02);
  EXPECT_FALSE(region.has_label(kBoxLabel));
  expect_faces_turn_outward(region);
}

}  // namespace
}  // namespace ombrix
