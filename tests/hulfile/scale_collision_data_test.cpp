// Scaling a hull file for a scaled car: lengths scale, directions do not, odd values stay.
#include "hulfile/scale_collision_data.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>

#include "support/generated_hulls.h"

namespace ombrix {
namespace {

TEST(ScaleCollisionData, LengthsAreScaledOnceRoundedAndNormalsEdgesAndTrailingBytesKept) {
  CollisionData data = testing::generated_prisms(2);
  data.volumes[0].offset.x = -0.0f;
  data.volumes[0].planes[0].d = std::bit_cast<float>(0x7fc00042u);
  data.volumes[1].points[0].y = -std::numeric_limits<float>::infinity();
  data.trailing = "tail";
  const CollisionData before = data;
  ASSERT_EQ(scale_collision_data(data, 0.1).outcome, ScaleOutcome::kScaled);

  const auto scaled = [](float value) { return static_cast<float>(static_cast<double>(value) * 0.1); };
  const Volume& was = before.volumes[1];
  const Volume& is = data.volumes[1];
  EXPECT_EQ(is.box.min_x, scaled(was.box.min_x));
  EXPECT_EQ(is.box.max_z, scaled(was.box.max_z));
  EXPECT_EQ(is.offset.y, scaled(was.offset.y));
  EXPECT_EQ(is.points[3].x, scaled(was.points[3].x));
  EXPECT_EQ(is.points[0].y, was.points[0].y);  // infinite: left as it was
  EXPECT_EQ(is.planes[2].a, was.planes[2].a);
  EXPECT_EQ(is.planes[2].b, was.planes[2].b);
  EXPECT_EQ(is.planes[2].d, scaled(was.planes[2].d));
  EXPECT_EQ(is.edges[4].to, was.edges[4].to);
  EXPECT_EQ(data.spheres[3].z, scaled(before.spheres[3].z));
  EXPECT_EQ(data.spheres[3].radius, scaled(before.spheres[3].radius));
  EXPECT_EQ(std::bit_cast<std::uint32_t>(data.volumes[0].offset.x), 0x80000000u);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(data.volumes[0].planes[0].d), 0x7fc00042u);
  EXPECT_EQ(data.trailing, "tail");
  // 0.1 is not a float: the product is formed in double, not with the float nearest 0.1.
  EXPECT_NE(is.offset.y, was.offset.y * 0.1f);
}

TEST(ScaleCollisionData, AValueScaledBeyondTheFloatsEitherWayIsReported) {
  CollisionData data = testing::generated_prisms(1);
  data.spheres[0].radius = 3e38f;
  EXPECT_EQ(scale_collision_data(data, 2.0).outcome, ScaleOutcome::kTooLarge);

  // Zeros stay zeros; a value other than zero that becomes one is lost.
  data = testing::generated_prisms(1);
  data.volumes[0].offset = {0.0f, -0.0f, 0.0f};
  EXPECT_EQ(scale_collision_data(data, 0.5).outcome, ScaleOutcome::kScaled);
  data.spheres[0].radius = 1e-30f;
  EXPECT_EQ(scale_collision_data(data, 1e-20).outcome, ScaleOutcome::kTooSmall);
}

TEST(ScaleCollisionData, AHullWhoseBoxLosesItsDepthIsNamed) {
  CollisionData data = testing::generated_prisms(2);
  data.volumes[1].box = {1.0f, 1.0000001f, 1.0f, 2.0f, 1.0f, 2.0f};
  const Scaling scaling = scale_collision_data(data, 1e-40);  // every value becomes a subnormal
  EXPECT_EQ(scaling.outcome, ScaleOutcome::kScaled);
  EXPECT_EQ(scaling.flattened, std::vector<size_t>{1});
}

}  // namespace
}  // namespace ombrix
