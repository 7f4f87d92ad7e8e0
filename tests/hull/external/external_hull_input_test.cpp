// The bytes sent to the external hull program: its reader is strict about the layout.
#include <clocale>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "hull/external/external_hull_input.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::vertices_of;

TEST(ExternalHullInput, TwoVerticesGiveFourCrLfLinesWithTenDecimals) {
  // 0.1 is not exact in single precision: the widened float is printed, not the decimal 0.1.
  const std::vector<Vector> points = {{1.5f, 0.0f, -12.25f}, {0.1f, 2.0f, 3.0f}};
  EXPECT_EQ(external_hull_input_text(vertices_of(points)),
            "3\r\n"
            "2\r\n"
            "1.5000000000 0.0000000000 -12.2500000000\r\n"
            "0.1000000015 2.0000000000 3.0000000000\r\n");
}

TEST(ExternalHullInput, NegativeZeroLosesItsSignAndInfinitiesAreSpelledOut) {
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  // A tiny negative value is not a zero: it keeps its sign when it rounds to zero.
  const std::vector<Vector> points = {{-0.0f, kInfinity, -kInfinity}, {-1e-12f, 0.0f, 1e20f}};
  EXPECT_EQ(external_hull_input_text(vertices_of(points)),
            "3\r\n"
            "2\r\n"
            "0.0000000000 +Infinity -Infinity\r\n"
            "-0.0000000000 0.0000000000 100000002004087734272.0000000000\r\n");
}

TEST(ExternalHullInput, NoVerticesStillGiveTheTwoHeaderLines) { EXPECT_EQ(external_hull_input_text({}), "3\r\n0\r\n"); }

TEST(ExternalHullInput, CommaLocaleDoesNotChangeTheDecimalPoint) {
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  const std::vector<Vector> points = {{-2.75f, 0.5f, 1000.0f}};
  const std::string text = external_hull_input_text(vertices_of(points));
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(text, "3\r\n1\r\n-2.7500000000 0.5000000000 1000.0000000000\r\n");
}

}  // namespace
}  // namespace ombrix
