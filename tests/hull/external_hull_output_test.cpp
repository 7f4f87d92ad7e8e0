// Cutting the external hull program's output into lines; what the lines mean is tested through
// the bridge itself (external_hull_test.cpp).
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hull/external_hull_output.h"

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

}  // namespace
}  // namespace ombrix
