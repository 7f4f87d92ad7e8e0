// The shortcuts of the side test: a reference plane settles a nearby candidate exactly as
// plane_value on every vertex would, or declines; a thin model's search tries few triples.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "hull/own/model_random.h"
#include "hull/own/side_references.h"
#include "hull/own/thin_model_triples.h"

namespace ombrix {
namespace {

using testing::ModelRandom;

OffPlaneSide side_over_every_vertex(const std::vector<Vector>& points, const Plane& plane) {
  VertexSides sides;
  for (const Vector& point : points) sides.add(plane_value(point, plane));
  return sides.side();
}

float nudged(float value, double by) { return static_cast<float>(value + by); }

TEST(SideReferences, SettleAgreesWithEveryVertexOrDeclines) {
  // Below the plane y = 10 on a slant, with many vertices placed within a few float steps of
  // the values -0.5 and 0.5, where a shortcut that misjudges its margin would tip them.
  ModelRandom random(21);
  const double tilt = 0.3;
  const Plane reference{static_cast<float>(-std::sin(tilt)), static_cast<float>(std::cos(tilt)), 0.0f, -10.0f};
  std::vector<Vector> points;
  while (points.size() < 400) {
    Vector point = random.point_in_box(20.0);
    const double depth = points.size() % 4 == 0 ? random.between(0.0, 30.0)
                                                : (points.size() % 4 == 1 ? 0.5 : -0.5) + random.between(-1e-5, 1e-5);
    const double value = plane_value(point, reference);
    point.x = nudged(point.x, -(value + depth) * reference.a);
    point.y = nudged(point.y, -(value + depth) * reference.b);
    if (plane_value(point, reference) <= 0.5) points.push_back(point);
  }
  SideReferences references(points, 40.0);
  for (int seen = 0; seen < 8; ++seen) references.note_accepted(reference);

  int settled = 0;
  constexpr double kNudges[] = {0.0, 1e-7, 3e-6, 1e-4, 2e-3};
  for (int trial = 0; trial < 4000; ++trial) {
    const double tip = kNudges[random.whole(0, 4)];
    const double shift = kNudges[random.whole(0, 4)] * 10.0;
    Plane candidate{nudged(reference.a, random.between(-tip, tip)), nudged(reference.b, random.between(-tip, tip)),
                    nudged(reference.c, random.between(-tip, tip)), nudged(reference.d, random.between(-shift, shift))};
    if (trial % 2 == 1) candidate = {-candidate.a, -candidate.b, -candidate.c, -candidate.d};
    const std::optional<OffPlaneSide> side = references.settle(candidate);
    if (!side) continue;
    ++settled;
    ASSERT_EQ(*side, side_over_every_vertex(points, candidate)) << "trial " << trial;
  }
  EXPECT_GT(settled, 1000);
}

TEST(ThinModelTriples, AFlatModelTriesOnlyNearlyCollinearTriplesAndABodyNone) {
  ModelRandom random(22);
  std::vector<Vector> flat;
  while (flat.size() < 200) {
    const double s = random.between(-50.0, 50.0);
    const double t = random.between(-50.0, 50.0);
    flat.push_back(
        {static_cast<float>(0.6 * s - 0.48 * t), static_cast<float>(0.8 * s + 0.36 * t), static_cast<float>(0.8 * t)});
  }
  size_t tried = 0;
  EXPECT_TRUE(for_each_thin_model_triple(flat, 60.0, [&](size_t, size_t, size_t) { ++tried; }));
  EXPECT_GT(tried, 0u);
  EXPECT_LT(tried, 200u * 199u * 198u / 6u / 50u);

  std::vector<Vector> body = testing::car_like_body(random, 200, 30.0);
  EXPECT_FALSE(for_each_thin_model_triple(body, 60.0, [](size_t, size_t, size_t) { FAIL(); }));
}

}  // namespace
}  // namespace ombrix
