// The plane budget for hull files from any tool: hulls with too many planes replaced by fewer
// that enclose every corner of the old solid, everything else left as it was.
#include "hulfile/simplify_hulls.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "hull/solid/hull_solid.h"
#include "support/generated_hulls.h"

namespace ombrix {
namespace {

bool same_bits(const std::vector<Plane>& a, const std::vector<Plane>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(Plane)) == 0;
}

// Prisms of 3 to 8 sides: 5 to 10 planes each, with corners, edges and an offset.
CollisionData prisms() { return testing::generated_prisms(6); }

TEST(SimplifyHulls, EveryHullAboveTheBudgetEnclosesItsOldSolidWithAtMostThatManyPlanes) {
  const CollisionData before = prisms();
  CollisionData after = before;
  const Simplification simplification = simplify_hulls(after, 6);
  ASSERT_TRUE(simplification.refusal.empty()) << simplification.refusal;
  ASSERT_EQ(simplification.hulls.size(), 4u);  // the prisms of 5, 6, 7 and 8 sides
  for (size_t h = 0; h < before.volumes.size(); ++h) {
    SCOPED_TRACE("hull " + std::to_string(h + 1));
    const Volume& old_hull = before.volumes[h];
    const Volume& new_hull = after.volumes[h];
    if (old_hull.planes.size() <= 6) {
      EXPECT_TRUE(same_bits(new_hull.planes, old_hull.planes));
      EXPECT_EQ(new_hull.points.size(), old_hull.points.size());
      continue;
    }
    EXPECT_LE(new_hull.planes.size(), 6u);
    HullSolid old_solid;
    ASSERT_EQ(solid_of_planes(old_hull.planes, old_solid), SolidResult::kClosed);
    for (const Plane& plane : new_hull.planes) {
      EXPECT_NEAR(std::sqrt(double(plane.a) * plane.a + double(plane.b) * plane.b + double(plane.c) * plane.c), 1.0,
                  1e-6);
      for (const Vector& corner : old_solid.corners) EXPECT_LE(plane_value(corner, plane), 0.0);
    }
    // The offset still lies inside, and the box, made for the model, is kept.
    for (const Plane& plane : new_hull.planes) EXPECT_LT(plane_value(new_hull.offset, plane), 0.0);
    EXPECT_EQ(std::memcmp(&new_hull.box, &old_hull.box, sizeof(BBox)), 0);
  }
  EXPECT_EQ(after.spheres.size(), before.spheres.size());
  EXPECT_EQ(std::memcmp(after.spheres.data(), before.spheres.data(), before.spheres.size() * sizeof(Sphere)), 0);
}

TEST(SimplifyHulls, AChangedHullsPointsAndEdgesAreTheCornersAndEdgesOfItsNewSolid) {
  CollisionData data = prisms();
  simplify_hulls(data, 6);
  const Volume& hull = data.volumes.back();  // the 8-sided prism, now 6 planes
  HullSolid solid;
  ASSERT_EQ(solid_of_planes(hull.planes, solid), SolidResult::kClosed);
  EXPECT_EQ(hull.points.size(), solid.corners.size());
  // A closed convex solid: corners - edges + faces = 2.
  EXPECT_EQ(static_cast<long>(hull.points.size()) - static_cast<long>(hull.edges.size()) +
                static_cast<long>(solid.faces.size()),
            2);
  for (const Edge& edge : hull.edges) {
    EXPECT_GE(edge.from, 0);
    EXPECT_LT(static_cast<size_t>(edge.to), hull.points.size());
  }
}

TEST(SimplifyHulls, AHullWithoutPointsGetsNone) {
  CollisionData data = prisms();
  for (Volume& volume : data.volumes) {
    volume.points.clear();
    volume.edges.clear();
  }
  simplify_hulls(data, 5);
  EXPECT_TRUE(data.volumes.back().points.empty());
  EXPECT_TRUE(data.volumes.back().edges.empty());
}

TEST(SimplifyHulls, AHullThatClosesNoRegionStopsEverythingAndSaysWhich) {
  CollisionData data = prisms();
  data.volumes[4].planes.pop_back();  // the 7-sided prism loses its top: open
  const CollisionData before = data;
  const Simplification simplification = simplify_hulls(data, 6);
  EXPECT_EQ(simplification.refusal, "hull 5: its planes close no region (it is open on some side)");
  EXPECT_TRUE(simplification.hulls.empty());
  for (size_t h = 0; h < data.volumes.size(); ++h) {
    EXPECT_TRUE(same_bits(data.volumes[h].planes, before.volumes[h].planes)) << h;
  }
}

}  // namespace
}  // namespace ombrix
