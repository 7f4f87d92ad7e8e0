// Reading a file a user names: only a regular one, without waiting on a pipe, to its real end.
#include "shared/file_bytes.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "support/test_files.h"

namespace ombrix {
namespace {

TEST(ReadFileBytes, WhatIsNotARegularFileIsRefusedWithoutWaitingOnIt) {
  testing::TempDir dir;
  ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);  // no writer: opening it plainly would wait
  std::filesystem::create_directory(dir.path() / "folder");
  std::filesystem::create_symlink("folder", dir.file("link"));
  for (const char* name : {"pipe", "folder", "link"}) {
    SCOPED_TRACE(name);
    std::string fault;
    EXPECT_FALSE(read_file_bytes(dir.file(name), fault));
    EXPECT_EQ(fault, "it is not a regular file");
  }
  std::string fault;
  EXPECT_FALSE(read_file_bytes(dir.file("missing"), fault));
  EXPECT_EQ(fault, "there is no such file");
}

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
