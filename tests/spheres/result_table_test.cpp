// The result table: its lines, fields, number texts and line ends.
#include "spheres/result_table.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/comma_locale.h"

namespace ombrix {
namespace {

constexpr const char* kHeader =
    "Sphere\tCHull trimmed volume (%)\tCHull remaining volume (%)\tBBox coverage (x)\tBBox coverage (y)\t"
    "BBox coverage (z)\t\tSphere\tRadius\tCenter (x)\tCenter (y)\tCenter (z)\r\n";

SphereResult row(int number) {
  SphereResult result;
  result.number = number;
  result.trimmed = 12.5f;
  result.remaining = 87.5f;
  result.x = 1.0f;
  result.y = -2.0f;
  result.z = 3.0f;
  result.radius = 4.0f;
  result.coverage_x = 50.0f;
  result.coverage_y = 60.0f;
  result.coverage_z = 70.0f;
  return result;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(start, text.size()) << "text after the last CR LF";
  return lines;
}

TEST(ResultTable, EmptyListGivesEmptyText) { EXPECT_EQ(result_table_text({}), ""); }

TEST(ResultTable, DataLineFieldsInTableOrder) {
  EXPECT_EQ(result_table_text({row(1)}),
            std::string(kHeader) +
                "1\t12.5000000000\t87.5000000000\t50.0000000000\t60.0000000000\t70.0000000000\t\t"
                "1\t4.0000000000\t1.0000000000\t-2.0000000000\t3.0000000000\r\n");
}

TEST(ResultTable, HeaderBeforeEachVolumesFirstSphere) {
  // Two volumes: three spheres, then two.
  const std::string text = result_table_text({row(1), row(2), row(3), row(1), row(2)});
  const std::vector<std::string> lines = lines_of(text);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0] + "\r\n", kHeader);
  EXPECT_EQ(lines[4] + "\r\n", kHeader);
  EXPECT_EQ(lines[3].substr(0, 2), "3\t");
  EXPECT_EQ(lines[5].substr(0, 2), "1\t");
  for (const std::string& line : lines) {
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 11) << line;
    EXPECT_NE(line.find("\t\t"), std::string::npos) << line;
  }
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(ResultTable, RealsShowTheStoredSinglePrecisionDigits) {
  SphereResult result = row(1);
  result.trimmed = 33.333332f;
  result.remaining = 100.0f;
  result.x = -0.0f;
  result.y = std::numeric_limits<float>::infinity();
  result.z = -std::numeric_limits<float>::infinity();
  const std::vector<std::string> lines = lines_of(result_table_text({result}));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1],
            "1\t33.3333320618\t100.0000000000\t50.0000000000\t60.0000000000\t70.0000000000\t\t"
            "1\t4.0000000000\t0.0000000000\t+Infinity\t-Infinity");
}

TEST(ResultTable, DecimalPointWhateverTheLocale) {
  const testing::CommaLocale comma;
  if (!comma.active()) GTEST_SKIP() << "de_DE.UTF-8 is not installed (scripts/install-deps makes it)";
  SphereResult result = row(1234);
  result.trimmed = 0.5f;
  const std::string text = result_table_text({result});
  EXPECT_EQ(text.substr(0, 22), "1234\t0.5000000000\t87.5");
  EXPECT_EQ(text.find(','), std::string::npos);
}

}  // namespace
}  // namespace ombrix
