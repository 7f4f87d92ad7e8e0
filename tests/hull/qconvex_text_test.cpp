// The program's number texts, as the exact hull procedure reads and writes them: checked
// against the C library the program itself uses.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hull/external_hull_input.h"
#include "hull/qconvex_text.h"
#include "shared/number_text.h"
#include "support/comma_locale.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

std::string printf_text(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%6.16g ", value);
  return text;
}

TEST(QconvexOutputNumber, MatchesPrintfSixPointSixteenG) {
  const std::vector<std::pair<const char*, double>> named = {
      {"zero", 0.0},
      {"negative zero", -0.0},
      {"one, padded to six", 1.0},
      {"minus one", -1.0},
      {"unit normal component", -0.9553364883678724},
      {"last fixed-point exponent", 1234567890123456.0},
      {"first exponent form", 12345678901234567.0},
      {"smallest fixed-point magnitude", 0.0001},
      {"just below it", 0.00009999999999999999},
      {"tiny normal component", -4.686356397802056e-08},
      {"rounds up to a power of ten", 9.9999999999999999e22},
      {"tie in the sixteenth digit", 0.12345678901234565},
      {"subnormal", 4.9e-324},
      {"largest", std::numeric_limits<double>::max()},
      {"infinity", std::numeric_limits<double>::infinity()},
  };
  for (const auto& [name, value] : named) EXPECT_EQ(output_number_text(value), printf_text(value)) << name;

  // Every exponent and digit pattern, finite values only.
  std::mt19937_64 bits(13);
  for (int i = 0; i < 100000; ++i) {
    const double value = std::bit_cast<double>(bits());
    if (!std::isfinite(value)) continue;
    ASSERT_EQ(output_number_text(value), printf_text(value)) << std::bit_cast<std::uint64_t>(value);
  }
}

TEST(QconvexOutputNumber, KeepsItsPointInACommaLocale) {
  testing::CommaLocale comma;
  if (!comma.active()) GTEST_SKIP() << "no de_DE locale on this system";
  EXPECT_EQ(output_number_text(-0.5), "  -0.5 ");
}

TEST(QconvexInputCoordinates, AreWhatStrtodReadsFromTheBridgesText) {
  std::vector<Vector> points = {{1.5f, 0.0f, -12.25f},
                                {0.1f, -0.0f, 3e38f},
                                {1e-16f, -1e-30f, 1e-40f},
                                {0.123456789f, -98765.4321f, 5e-11f}};
  std::mt19937 bits(5);
  for (int i = 0; i < 20000; ++i) {
    const float value = std::bit_cast<float>(static_cast<std::uint32_t>(bits()));
    if (std::isfinite(value)) points.push_back({value, value / 3, -value});
  }
  const std::vector<double> coordinates =
      read_input_coordinates(external_hull_input_text(testing::vertices_of(points)));
  ASSERT_EQ(coordinates.size(), points.size() * 3);
  for (size_t i = 0; i < points.size(); ++i) {
    const float written[3] = {points[i].x, points[i].y, points[i].z};
    for (int k = 0; k < 3; ++k) {
      const std::string text = format_fixed(written[k], 10);
      ASSERT_EQ(std::bit_cast<std::uint64_t>(coordinates[i * 3 + k]),
                std::bit_cast<std::uint64_t>(std::strtod(text.c_str(), nullptr)))
          << text;
    }
  }
}

TEST(QconvexInputCoordinates, ReadInfinitiesAndSkipTheTwoHeaderNumbers) {
  const std::vector<double> coordinates = read_input_coordinates("3\r\n2\r\n+Infinity -Infinity 0.5\r\n-0.0 1 2\r\n");
  const double infinity = std::numeric_limits<double>::infinity();
  ASSERT_EQ(coordinates.size(), 6u);
  EXPECT_EQ(coordinates[0], infinity);
  EXPECT_EQ(coordinates[1], -infinity);
  EXPECT_EQ(coordinates[2], 0.5);
  EXPECT_TRUE(std::signbit(coordinates[3]));
  EXPECT_EQ(coordinates[5], 2.0);
}

}  // namespace
}  // namespace ombrix
