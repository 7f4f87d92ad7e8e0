// The plane budget's promises: at most the planes asked for, every point inside, a closed region,
// unit normals, and never more volume than dropping whole planes gives.
#include "hull/budget/plane_budget.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "hull/budget/budget_models.h"
#include "hull/qhull/exact_procedure.h"
#include "hull/solid/hull_solid.h"
#include "hull/solid/solid_volume.h"
#include "reference/drop_whole_planes.h"
#include "shared/recording_log.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

// The normal rounded to single precision may be a few units in the last place off unit length.
constexpr double kUnitSlack = 1e-6;

double normal_length(const Plane& plane) {
  return std::sqrt((double(plane.a) * plane.a + double(plane.b) * plane.b) + double(plane.c) * plane.c);
}

// How far the point lies farthest out of the planes, as plane_value computes it.
double farthest_out(std::span<const Vector> points, std::span<const Plane> planes) {
  double farthest = -HUGE_VAL;
  for (const Vector& point : points) {
    for (const Plane& plane : planes) farthest = std::max(farthest, plane_value(point, plane));
  }
  return farthest;
}

// The planes the exact hull procedure writes for the points, as the greedy starts from them.
std::vector<Plane> exact_hull_planes(std::span<const Vector> points) {
  std::vector<Plane> planes;
  RecordingLog log;
  build_exact_hull(planes, testing::vertices_of(points), log);
  return planes;
}

void expect_promises_kept(const BudgetedHull& budgeted, std::span<const Vector> points, size_t budget,
                          double tolerance) {
  EXPECT_LE(budgeted.planes.size(), budget);
  EXPECT_LE(farthest_out(points, budgeted.planes), tolerance);
  for (const Plane& plane : budgeted.planes) EXPECT_NEAR(normal_length(plane), 1.0, kUnitSlack);
  HullSolid solid;
  ASSERT_EQ(solid_of_planes(budgeted.planes, solid), SolidResult::kClosed);
  EXPECT_NEAR(solid_volume(solid), budgeted.volume, 1e-4 * budgeted.volume);
}

TEST(PlaneBudgetPromises, EveryModelGetsAtMostTheBudgetWithEveryPointInsideAndNoMoreThanTheGreedy) {
  for (const testing::BudgetModel& model : testing::budget_models()) {
    SCOPED_TRACE(model.name);
    const std::vector<Plane> exact = exact_hull_planes(model.points);
    for (const size_t budget : {16u, 8u, 5u, 4u}) {
      SCOPED_TRACE("budget " + std::to_string(budget));
      const std::optional<BudgetedHull> budgeted = budget_hull(model.points, budget, 0.0);
      ASSERT_TRUE(budgeted.has_value());
      expect_promises_kept(*budgeted, model.points, budget, 0.0);
      EXPECT_GE(budgeted->volume, budgeted->exact_volume * (1.0 - 1e-9));
      // Where dropping whole planes reaches the budget, the budget encloses no more than it
      // does, up to the rounding of both to single precision.
      const reference::DroppedHull dropped = reference::drop_whole_planes(exact, budget);
      if (dropped.planes.size() <= budget) {
        EXPECT_LE(budgeted->volume, dropped.volume * (1.0 + 1e-6));
      }
    }
  }
}

TEST(PlaneBudgetPromises, TheSamePointsGiveTheSameBits) {
  const testing::BudgetModel model = testing::budget_models().front();
  const std::optional<BudgetedHull> first = budget_hull(model.points, 8, 0.5);
  const std::optional<BudgetedHull> second = budget_hull(model.points, 8, 0.5);
  ASSERT_TRUE(first && second);
  ASSERT_EQ(first->planes.size(), second->planes.size());
  EXPECT_EQ(std::memcmp(first->planes.data(), second->planes.data(), first->planes.size() * sizeof(Plane)), 0);
}

TEST(PlaneBudgetPromises, PointsFarFromTheOriginStayInsideDespiteRounding) {
  // At a million units a float's step is 1/16: an offset rounded to nearest would put the
  // touching points out by up to half of that.
  std::vector<Vector> points = testing::budget_models().front().points;
  for (Vector& p : points) p = {p.x + 1.0e6f, p.y - 2.5e6f, p.z + 7.0e5f};
  const std::optional<BudgetedHull> budgeted = budget_hull(points, 8, 0.0);
  ASSERT_TRUE(budgeted.has_value());
  EXPECT_LE(farthest_out(points, budgeted->planes), 0.0);
}

TEST(PlaneBudgetTolerance, PointsMayLieOutByTheToleranceAndTheRegionShrinksForIt) {
  for (const testing::BudgetModel& model : testing::budget_models()) {
    SCOPED_TRACE(model.name);
    const std::optional<BudgetedHull> exact = budget_hull(model.points, 8, 0.0);
    const std::optional<BudgetedHull> own = budget_hull(model.points, 8, 0.5);
    ASSERT_TRUE(exact && own);
    expect_promises_kept(*own, model.points, 8, 0.5);
    // Read with the normal scaled to unit length too, the farthest point stays within 0.5.
    for (const Plane& plane : own->planes) {
      for (const Vector& point : model.points) EXPECT_LE(plane_value(point, plane) / normal_length(plane), 0.5);
    }
    EXPECT_LT(own->volume, exact->volume);
  }
}

TEST(PlaneBudgetTolerance, AThinModelKeepsAThicknessInsteadOfClosingToNothing) {
  // A slab 0.6 thick: moving both sides in by 0.5 would leave nothing; half the depth of the
  // largest ball inside (0.3) is as far as they go.
  std::vector<Vector> slab;
  for (float x : {0.0f, 30.0f}) {
    for (float z : {0.0f, 20.0f}) slab.insert(slab.end(), {{x, 0.0f, z}, {x, 0.6f, z}});
  }
  slab.push_back({15.0f, 0.6f, 10.0f});
  const std::optional<BudgetedHull> budgeted = budget_hull(slab, 5, 0.5);
  ASSERT_TRUE(budgeted.has_value());
  expect_promises_kept(*budgeted, slab, 5, 0.5);
  EXPECT_GT(budgeted->volume, 0.25 * budgeted->exact_volume);
}

TEST(PlaneBudgetShapes, ABoxAskedForFewerThanSixPlanesGetsATetrahedronOrBetter) {
  // No face of a box can go without opening it: the budget builds up from a tetrahedron.
  const std::vector<Vector> corners{{0, 0, 0}, {0, 0, 3}, {0, 2, 0}, {0, 2, 3},
                                    {5, 0, 0}, {5, 0, 3}, {5, 2, 0}, {5, 2, 3}};
  for (const size_t budget : {4u, 5u}) {
    const std::optional<BudgetedHull> budgeted = budget_hull(corners, budget, 0.0);
    ASSERT_TRUE(budgeted.has_value());
    expect_promises_kept(*budgeted, corners, budget, 0.0);
    EXPECT_NEAR(budgeted->exact_volume, 30.0, 1e-9);
  }
}

TEST(PlaneBudgetShapes, ABudgetAboveTheHullsFacesGivesTheHullItself) {
  const std::vector<Vector> corners{{0, 0, 0}, {0, 0, 3}, {0, 2, 0}, {0, 2, 3},
                                    {5, 0, 0}, {5, 0, 3}, {5, 2, 0}, {5, 2, 3}};
  const std::optional<BudgetedHull> budgeted = budget_hull(corners, 12, 0.0);
  ASSERT_TRUE(budgeted.has_value());
  EXPECT_EQ(budgeted->planes.size(), 6u);
  EXPECT_NEAR(budgeted->volume, 30.0, 1e-4);
}

TEST(PlaneBudgetShapes, PointsInOnePlaneOrOnALineGetNothing) {
  const std::vector<Vector> flat{{0, 0, 2}, {4, 0, 2}, {0, 4, 2}, {4, 4, 2}, {2, 1, 2}};
  const std::vector<Vector> line{{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {5, 5, 5}};
  const std::vector<Vector> three{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
  EXPECT_FALSE(budget_hull(flat, 4, 0.0).has_value());
  EXPECT_FALSE(budget_hull(line, 4, 0.5).has_value());
  EXPECT_FALSE(budget_hull(three, 4, 0.0).has_value());
}

}  // namespace
}  // namespace ombrix
