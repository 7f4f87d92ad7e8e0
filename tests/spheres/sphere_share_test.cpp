// Sharing the target sphere count among main volumes.
#include "spheres/sphere_share.h"

#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "support/box_volume.h"

namespace ombrix {
namespace {

using testing::box_volume;
using testing::centred_cube;

TEST(SphereShare, TwoEqualBoxesEachGetHalfRoundedToEven) {
  const std::vector<Volume> volumes{centred_cube(10.0f), box_volume({100, 0, 0}, {120, 20, 20})};
  const float sum = box_volume_sum(volumes);
  EXPECT_EQ(sum, 16000.0f);
  EXPECT_EQ(sphere_share(volumes[0].box, sum, 11), 6u);  // 5.5
  EXPECT_EQ(sphere_share(volumes[1].box, sum, 11), 6u);
  EXPECT_EQ(sphere_share(volumes[0].box, sum, 9), 4u);   // 4.5
  EXPECT_EQ(sphere_share(volumes[0].box, sum, 13), 6u);  // 6.5
}

TEST(SphereShare, OneVolumeGetsTheWholeTarget) {
  const std::vector<Volume> volumes{box_volume({-50, -25, -40}, {50, 25, 40})};
  EXPECT_EQ(sphere_share(volumes[0].box, box_volume_sum(volumes), 11), 11u);
}

TEST(SphereShare, TinyVolumeGetsOneNeverZero) {
  const std::vector<Volume> volumes{centred_cube(100.0f), centred_cube(0.5f)};
  const float sum = box_volume_sum(volumes);
  EXPECT_EQ(sphere_share(volumes[0].box, sum, 11), 11u);
  EXPECT_EQ(sphere_share(volumes[1].box, sum, 11), 1u);
}

TEST(SphereShare, TargetOfZeroOrBelowStillGivesOne) {
  const std::vector<Volume> volumes{centred_cube(10.0f)};
  const float sum = box_volume_sum(volumes);
  EXPECT_EQ(sphere_share(volumes[0].box, sum, 0), 1u);
  EXPECT_EQ(sphere_share(volumes[0].box, sum, -7), 1u);
}

TEST(SphereShare, UndefinedQuotientsGiveOneAndHugeOnesStayBounded) {
  const BBox flat{0, 10, 0, 10, 5, 5};
  EXPECT_EQ(sphere_share(flat, 0.0f, 11), 1u);  // 0 / 0
  EXPECT_EQ(sphere_share(centred_cube(1.0f).box, std::numeric_limits<float>::infinity(), 11), 1u);
  EXPECT_EQ(sphere_share(centred_cube(1.0f).box, 0.0f, 11), 2147483647u);  // 8 / 0
  EXPECT_EQ(sphere_share(centred_cube(1.0f).box, 0.0f, 0), 1u);            // infinity * 0
}

}  // namespace
}  // namespace ombrix
