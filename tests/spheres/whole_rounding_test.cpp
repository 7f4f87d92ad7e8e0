// Whole numbers from reals: rounding halves to even, and counts that never overflow.
#include "spheres/whole_rounding.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

namespace ombrix {
namespace {

TEST(WholeRounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(round_half_even(0.5), 0.0);
  EXPECT_EQ(round_half_even(1.5), 2.0);
  EXPECT_EQ(round_half_even(2.5), 2.0);
  EXPECT_EQ(round_half_even(-2.5), -2.0);
  EXPECT_EQ(round_half_even(0.5000001), 1.0);
  EXPECT_EQ(round_half_even(2.4999999), 2.0);
  EXPECT_EQ(round_half_even(-0.7), -1.0);
  EXPECT_EQ(round_half_even(std::numeric_limits<double>::infinity()), std::numeric_limits<double>::infinity());
}

TEST(WholeRounding, CountsOutsideTheRangeStopAtItsEdge) {
  EXPECT_EQ(to_count(42.0), 42);
  EXPECT_EQ(to_count(-3.0), -3);
  EXPECT_EQ(to_count(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(to_count(std::numeric_limits<double>::infinity()), std::int64_t{1} << 62);
  EXPECT_EQ(to_count(-1e300), -(std::int64_t{1} << 62));
}

}  // namespace
}  // namespace ombrix
