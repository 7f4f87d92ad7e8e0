// The external hull program's output: cut into lines, and each facet line read as a plane.
#include <bit>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hull/external/external_hull_output.h"

namespace ombrix {
namespace {

using Lines = std::vector<std::string>;

TEST(ExternalHullOutputLines, EachKindOfLineEndEndsOneLine) {
  EXPECT_EQ(split_output_lines("a\nb\rc\r\nd\n"), (Lines{"a", "b", "c", "d"}));
}

TEST(ExternalHullOutputLines, CrLfIsOneLineEndButLfCrIsTwo) {
  EXPECT_EQ(split_output_lines("a\r\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(split_output_lines("a\n\rb"), (Lines{"a", "", "b"}));
}

TEST(ExternalHullOutputLines, TextAfterTheLastLineEndIsAFinalLine) {
  EXPECT_EQ(split_output_lines("4\n6"), (Lines{"4", "6"}));
  EXPECT_EQ(split_output_lines("4"), (Lines{"4"}));
}

TEST(ExternalHullOutputLines, EmptyLinesAreKeptButNoneFollowsTheLastLineEnd) {
  // A trailing empty line would become a plane of four zeros, so the count of lines matters.
  EXPECT_EQ(split_output_lines("\n\r\n"), (Lines{"", ""}));
  EXPECT_EQ(split_output_lines("a\n\n"), (Lines{"a", ""}));
  EXPECT_EQ(split_output_lines(""), Lines{});
}

// Bit for bit, so that a lost sign of zero shows.
bool same_bits(const Plane& x, const Plane& y) {
  return std::bit_cast<std::uint32_t>(x.a) == std::bit_cast<std::uint32_t>(y.a) &&
         std::bit_cast<std::uint32_t>(x.b) == std::bit_cast<std::uint32_t>(y.b) &&
         std::bit_cast<std::uint32_t>(x.c) == std::bit_cast<std::uint32_t>(y.c) &&
         std::bit_cast<std::uint32_t>(x.d) == std::bit_cast<std::uint32_t>(y.d);
}

// Shows the sign of zero, unlike std::to_string.
std::string describe(const std::vector<Plane>& planes) {
  std::ostringstream text;
  for (const Plane& p : planes) text << "(" << p.a << " " << p.b << " " << p.c << " " << p.d << ") ";
  return text.str();
}

struct OutputCase {
  const char* name;
  std::string output;
  std::vector<Plane> planes;
};

const std::vector<Plane> kCubeFaces = {{-1, 0, 0, 0},  {1, 0, 0, -10}, {0, -1, 0, 0},
                                       {0, 1, 0, -10}, {0, 0, -1, 0},  {0, 0, 1, -10}};
const std::string kCubeFaceLines = "-1 0 0 0\n1 0 0 -10\n0 -1 0 0\n0 1 0 -10\n0 0 -1 0\n0 0 1 -10\n";

const std::vector<OutputCase> kOutputCases = {
    {"six facets whatever the count line says", "4\n2\n" + kCubeFaceLines, kCubeFaces},
    {"a further empty line adds a plane of four zeros", "4\n6\n" + kCubeFaceLines + "\n",
     [] {
       std::vector<Plane> planes = kCubeFaces;
       planes.push_back({});
       return planes;
     }()},
    {"first line with blanks around the 4", " 4 \r\n1\r\n1 0 0 -5\r\n", {{1, 0, 0, -5}}},
    {"first line 4.0 is refused", "4.0\n1\n1 0 0 -5\n", {}},
    {"empty first line is refused", "\n1\n1 0 0 -5\n", {}},
    {"first line 4 with a TAB is refused", "4\t\n1\n1 0 0 -5\n", {}},
    {"several and leading spaces", "4\n1\n   1   -2  3     4.5   \n", {{1, -2, 3, 4.5f}}},
    {"TABs do not separate", "4\n1\n1\t2\t3\t4\n", {{1, 0, 0, 0}}},
    {"a TAB before a number is skipped", "4\n1\n\t1 \t2 3 4\n", {{1, 2, 3, 4}}},
    {"exponents", "4\n1\n1.5e-07 -2E+3 3e0 -4.25e-1\n", {{1.5e-07f, -2000, 3, -0.425f}}},
    {"signed zeros as the program writes them", "4\n1\n    -0     -0     -1      0 \n", {{-0.0f, -0.0f, -1, 0}}},
    {"missing numbers give 0", "4\n1\n1 2\n", {{1, 2, 0, 0}}},
    {"unreadable numbers give 0 and a fifth is ignored", "4\n1\nx 2 y 4 5\n", {{0, 2, 0, 4}}},
    {"long numbers are rounded to single precision",
     "4\n1\n0.5773502691896258 0.5773502691896258 0.5773502691896258 -0.5773502691896258 \n",
     {{0.57735026f, 0.57735026f, 0.57735026f, -0.57735026f}}},
    {"lines ended by CR alone", "4\r1\r1 0 0 -5\r", {{1, 0, 0, -5}}},
    {"last line without a line end", "4\n1\n1 0 0 -5", {{1, 0, 0, -5}}},
    {"two header lines only", "4\n6\n", {}},
    {"no count line", "4\n", {}},
    {"nothing at all", "", {}},
};

TEST(ExternalHullOutputPlanes, EachFacetLineBecomesOnePlaneInTheProgramsOrder) {
  for (const OutputCase& output_case : kOutputCases) {
    SCOPED_TRACE(output_case.name);
    std::vector<Plane> planes;
    append_output_planes(planes, split_output_lines(output_case.output));

    ASSERT_EQ(planes.size(), output_case.planes.size()) << describe(planes);
    for (size_t i = 0; i < planes.size(); ++i) {
      EXPECT_TRUE(same_bits(planes[i], output_case.planes[i])) << "plane " << i << ": " << describe(planes);
    }
  }
}

TEST(ExternalHullOutputPlanes, PlanesAreAppendedToWhatTheListHeld) {
  std::vector<Plane> planes = {{0, 0, 1, -1}};
  append_output_planes(planes, split_output_lines("4\n1\n1 0 0 -5\n"));
  ASSERT_EQ(planes.size(), 2u);
  EXPECT_EQ(planes[0].c, 1.0f);
  EXPECT_EQ(planes[1].a, 1.0f);
}

}  // namespace
}  // namespace ombrix
