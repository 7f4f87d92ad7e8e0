// The program's numbers as the exact hull procedure prints them, against the C library the
// program itself prints them with.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "hull/qhull/qconvex_text.h"
#include "support/comma_locale.h"

namespace ombrix {
namespace {

TEST(QconvexOutputNumber, IsPrintfSixPointSixteenGForEveryFiniteDouble) {
  std::mt19937_64 bits(13);
  for (int i = 0; i < 100000; ++i) {
    const double value = i < 2 ? (i == 0 ? -0.0 : 1.0) : std::bit_cast<double>(bits());
    if (!std::isfinite(value)) continue;
    char expected[64];
    std::snprintf(expected, sizeof expected, "%6.16g ", value);
    ASSERT_EQ(output_number_text(value), expected) << std::bit_cast<std::uint64_t>(value);
  }
}

TEST(QconvexOutputNumber, KeepsItsPointInACommaLocale) {
  testing::CommaLocale comma;
  if (!comma.active()) GTEST_SKIP() << "no de_DE locale on this system";
  EXPECT_EQ(output_number_text(-0.5), "  -0.5 ");
}

}  // namespace
}  // namespace ombrix
