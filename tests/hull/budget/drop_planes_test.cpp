// The first stage of the plane budget against the plain greedy of the reference, which weighs
// every removal by the whole solid anew.
#include "hull/budget/drop_planes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "hull/budget/budget_models.h"
#include "reference/drop_whole_planes.h"

namespace ombrix {
namespace {

std::vector<FacetPlane> touching_faces(const HullPoints& hull) {
  std::vector<FacetPlane> faces;
  for (const Point3& normal : hull.face_normals) faces.push_back(hull.touching_plane(normal));
  return faces;
}

std::vector<Plane> single_precision(std::span<const FacetPlane> planes) {
  std::vector<Plane> rounded;
  for (const FacetPlane& p : planes) {
    rounded.push_back({float(p.x), float(p.y), float(p.z), float(p.offset)});
  }
  return rounded;
}

TEST(DropPlanesAgainstTheReference, TheLocalPiecesDropTheSamePlanesAsWholeSolidsDo) {
  // A wrong neighbour list weighs a piece too small or too large: the order of drops, and so
  // the planes left and their volume, would part from the reference's.
  for (const testing::BudgetModel& model : testing::budget_models()) {
    SCOPED_TRACE(model.name);
    const std::optional<HullPoints> hull = hull_points(model.points);
    ASSERT_TRUE(hull.has_value());
    const std::vector<FacetPlane> faces = touching_faces(*hull);
    for (const size_t budget : {16u, 7u}) {
      SCOPED_TRACE("budget " + std::to_string(budget));
      const KeptPlanes kept = drop_planes(*hull, faces, budget);
      const reference::DroppedHull dropped = reference::drop_whole_planes(single_precision(faces), budget);
      EXPECT_TRUE(kept.within_budget);
      EXPECT_EQ(kept.planes.size(), std::min(dropped.planes.size(), faces.size()));
      EXPECT_NEAR(kept.volume, dropped.volume, 1e-5 * dropped.volume);
    }
  }
}

TEST(DropPlanesAgainstTheReference, TheVolumeAddedUpPieceByPieceIsTheVolumeOfThePlanesLeft) {
  // Pieces computed from the neighbours alone miss nothing and count nothing twice.
  for (const testing::BudgetModel& model : testing::budget_models()) {
    SCOPED_TRACE(model.name);
    const std::optional<HullPoints> hull = hull_points(model.points);
    ASSERT_TRUE(hull.has_value());
    const KeptPlanes kept = drop_planes(*hull, touching_faces(*hull), 6);
    EXPECT_NEAR(kept.volume, region_volume(*hull, kept.planes), 1e-9 * kept.volume);
  }
}

TEST(DropPlanesLimits, ABoxCannotLoseAFaceWithoutOpening) {
  // Any face of a box is the only one closing its side: the stage stops at six and says so.
  const std::vector<Vector> corners{{0, 0, 0}, {0, 0, 3}, {0, 2, 0}, {0, 2, 3},
                                    {5, 0, 0}, {5, 0, 3}, {5, 2, 0}, {5, 2, 3}};
  const std::optional<HullPoints> hull = hull_points(corners);
  ASSERT_TRUE(hull.has_value());
  const KeptPlanes kept = drop_planes(*hull, touching_faces(*hull), 4);
  EXPECT_FALSE(kept.within_budget);
  EXPECT_EQ(kept.planes.size(), 6u);
  EXPECT_NEAR(kept.volume, 30.0, 1e-9);
}

TEST(DropPlanesLimits, ACutCornerIsTheCheapestFaceToDrop) {
  // The box with a cut corner loses the small triangle first: the corner's tetrahedron, 6·6·6/6.
  const testing::BudgetModel box = testing::budget_models().back();
  const std::optional<HullPoints> hull = hull_points(box.points);
  ASSERT_TRUE(hull.has_value());
  ASSERT_EQ(hull->face_normals.size(), 7u);
  const KeptPlanes kept = drop_planes(*hull, touching_faces(*hull), 6);
  EXPECT_TRUE(kept.within_budget);
  EXPECT_NEAR(kept.volume, 40.0 * 20.0 * 10.0, 1e-9 * 8000.0);
}

}  // namespace
}  // namespace ombrix
