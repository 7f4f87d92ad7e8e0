// Reading a file a user names to its real end, and no further than the reader allows. (Folders
// and pipes: tests/cli.)
#include "shared/file_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/test_files.h"

namespace ombrix {
namespace {

TEST(ReadFileBytes, AFileIsReadToItsEndAndOneBeyondTheLimitRefused) {
  testing::TempDir dir;
  const std::string bytes(200000, 'b');  // several pieces
  testing::write_file(dir.file("f"), bytes);
  std::string fault;
  EXPECT_EQ(read_file_bytes(dir.file("f"), fault, bytes.size()), bytes);
  EXPECT_FALSE(read_file_bytes(dir.file("f"), fault, bytes.size() - 1));
  EXPECT_EQ(fault, "the file is too large to read");

  // A file that says it is empty and is not.
  if (!std::filesystem::exists("/proc/self/status")) GTEST_SKIP() << "no /proc here";
  const std::optional<std::string> status = read_file_bytes("/proc/self/status", fault);
  ASSERT_TRUE(status);
  EXPECT_NE(status->find("Name:"), std::string::npos);
}

}  // namespace
}  // namespace ombrix
