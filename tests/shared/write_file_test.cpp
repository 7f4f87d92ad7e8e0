// The one writer of output files: what it writes through, where a link leads it, and that a
// replaced file keeps its permissions and leaves nothing beside it. (Inputs: tests/cli.)
#include "shared/write_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <future>
#include <string>
#include <vector>

#include "support/test_files.h"

namespace ombrix {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::write_file;

std::vector<std::string> names_in(const fs::path& folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(WriteWholeFile, ReplacesAFileKeepingItsPermissionBitsAndLeavesNothingBeside) {
  testing::TempDir dir;
  write_file(dir.file("out.hul"), "old");
  fs::permissions(dir.file("out.hul"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // A file that happens to have the name a fixed temporary name would take is a bystander.
  write_file(dir.file("out.hul.ombrix-tmp"), "bystander");

  EXPECT_EQ(write_whole_file(dir.file("out.hul"), "new").outcome, WriteOutcome::kWritten);
  EXPECT_EQ(read_file(dir.file("out.hul")), "new");
  EXPECT_EQ(fs::status(dir.file("out.hul")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(read_file(dir.file("out.hul.ombrix-tmp")), "bystander");
  EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"out.hul", "out.hul.ombrix-tmp"}));
}

TEST(WriteWholeFile, NamesOfEveryLegalLengthCanBeWritten) {
  testing::TempDir dir;
  for (size_t length = 1; length <= 255; ++length) {
    const std::string name(length, 'n');
    ASSERT_EQ(write_whole_file(dir.file(name), name).outcome, WriteOutcome::kWritten) << length;
    ASSERT_EQ(read_file(dir.file(name)), name);
  }
  EXPECT_EQ(names_in(dir.path()).size(), 255u);
}

TEST(WriteWholeFile, ALinkStaysALinkAndItsTargetIsWritten) {
  testing::TempDir dir;
  fs::create_directory(dir.path() / "cars");
  write_file(dir.file("cars/real.hul"), "old");
  fs::create_symlink("cars/real.hul", dir.file("link.hul"));
  fs::create_symlink("cars/new.hul", dir.file("dangling.hul"));
  fs::create_symlink("loop.hul", dir.file("loop.hul"));

  EXPECT_EQ(write_whole_file(dir.file("link.hul"), "new").outcome, WriteOutcome::kWritten);
  EXPECT_EQ(write_whole_file(dir.file("dangling.hul"), "made").outcome, WriteOutcome::kWritten);
  EXPECT_TRUE(fs::is_symlink(dir.file("link.hul")));
  EXPECT_TRUE(fs::is_symlink(dir.file("dangling.hul")));
  EXPECT_EQ(read_file(dir.file("cars/real.hul")), "new");
  EXPECT_EQ(read_file(dir.file("cars/new.hul")), "made");
  EXPECT_EQ(write_whole_file(dir.file("loop.hul"), "x").outcome, WriteOutcome::kCannotWrite);
}

// A pipe, and device nodes of our own (a null and a full one, which only root can make).
TEST(WriteWholeFile, PipesAndDevicesAreWrittenThroughAndAFolderRefused) {
  testing::TempDir dir;
  ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
  std::future<std::string> reader = std::async(std::launch::async, [&] { return read_file(dir.file("pipe")); });
  EXPECT_EQ(write_whole_file(dir.file("pipe"), "through the pipe").outcome, WriteOutcome::kWritten);
  EXPECT_EQ(reader.get(), "through the pipe");
  fs::create_directory(dir.path() / "folder");
  EXPECT_EQ(write_whole_file(dir.file("folder"), "x").reason, "it is a folder");
  const FileWrite nowhere = write_whole_file(dir.file("no/such/folder.hul"), "x");
  EXPECT_EQ(nowhere.outcome, WriteOutcome::kCannotWrite);
  EXPECT_EQ(nowhere.reason, "No such file or directory");
  if (::geteuid() == 0) {
    ASSERT_EQ(::mknod(dir.file("null").c_str(), S_IFCHR | 0600, makedev(1, 3)), 0);
    ASSERT_EQ(::mknod(dir.file("full").c_str(), S_IFCHR | 0600, makedev(1, 7)), 0);
    EXPECT_EQ(write_whole_file(dir.file("null"), "gone").outcome, WriteOutcome::kWritten);
    const FileWrite full = write_whole_file(dir.file("full"), "no room");
    EXPECT_EQ(full.outcome, WriteOutcome::kCannotWrite);
    EXPECT_EQ(full.reason, "No space left on device");
    EXPECT_TRUE(fs::is_character_file(dir.file("null")) && fs::is_character_file(dir.file("full")));
  }
  EXPECT_TRUE(fs::is_fifo(dir.file("pipe")));
  EXPECT_EQ(names_in(dir.path()).size(), ::geteuid() == 0 ? 4u : 2u);  // nothing made beside them
}

}  // namespace
}  // namespace ombrix
