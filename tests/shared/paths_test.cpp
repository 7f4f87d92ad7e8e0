// Directories joined with names as text, on either platform's separator.
#include "shared/paths.h"

#include <gtest/gtest.h>

namespace ombrix {
namespace {

TEST(TrailingSeparator, AddedOnlyWhenMissingAndNeverToAnEmptyPath) {
  EXPECT_EQ(with_trailing_separator("E:\\models", '\\'), "E:\\models\\");
  EXPECT_EQ(with_trailing_separator("E:\\models\\", '\\'), "E:\\models\\");
  EXPECT_EQ(with_trailing_separator("E:/models/", '\\'), "E:/models/\\");  // only the platform's separator counts
  EXPECT_EQ(with_trailing_separator("", '\\'), "");
  EXPECT_EQ(with_trailing_separator("models", '/'), "models/");
}

}  // namespace
}  // namespace ombrix
