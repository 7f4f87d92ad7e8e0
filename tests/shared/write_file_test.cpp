// The one writer of output files: what it will not write over, what it writes through, and that
// a replaced file keeps its permissions and leaves nothing beside it.
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

TEST(WriteWholeFile, AnInputIsNeverWrittenOverByAnyOfItsNames) {
  testing::TempDir dir;
  write_file(dir.file("body.prm"), "model");
  fs::create_hard_link(dir.file("body.prm"), dir.file("second.prm"));
  fs::create_symlink("body.prm", dir.file("link.prm"));
  fs::create_directory(dir.path() / "sub");
  const std::vector<std::string> inputs{dir.file("other.hul"), dir.file("body.prm")};
  for (const std::string& name :
       {dir.file("body.prm"), dir.file("second.prm"), dir.file("link.prm"), dir.file("sub/../body.prm")}) {
    SCOPED_TRACE(name);
    const FileWrite write = write_whole_file(name, "picture", inputs);
    EXPECT_EQ(write.outcome, WriteOutcome::kIsAnInput);
    EXPECT_EQ(write.input, dir.file("body.prm"));
  }
  EXPECT_EQ(read_file(dir.file("body.prm")), "model");
  EXPECT_TRUE(fs::is_symlink(dir.file("link.prm")));
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
  EXPECT_EQ(names_in(dir.path() / "cars"), (std::vector<std::string>{"new.hul", "real.hul"}));
  EXPECT_EQ(write_whole_file(dir.file("loop.hul"), "x").outcome, WriteOutcome::kCannotWrite);
}

TEST(WriteWholeFile, APipeIsWrittenThroughAndAFolderRefused) {
  testing::TempDir dir;
  ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
  std::future<std::string> reader = std::async(std::launch::async, [&] { return read_file(dir.file("pipe")); });
  EXPECT_EQ(write_whole_file(dir.file("pipe"), "through the pipe").outcome, WriteOutcome::kWritten);
  EXPECT_EQ(reader.get(), "through the pipe");
  EXPECT_TRUE(fs::is_fifo(dir.file("pipe")));

  fs::create_directory(dir.path() / "folder");
  const FileWrite folder = write_whole_file(dir.file("folder"), "x");
  EXPECT_EQ(folder.outcome, WriteOutcome::kCannotWrite);
  EXPECT_EQ(folder.reason, "it is a folder");
  EXPECT_EQ(write_whole_file(dir.file("no/such/folder.hul"), "x").outcome, WriteOutcome::kCannotWrite);
}

// Device nodes of our own (a null and a full one), which only root can make.
TEST(WriteWholeFile, ADeviceIsWrittenThroughAndItsErrorsReported) {
  if (::geteuid() != 0) GTEST_SKIP() << "making device nodes needs root";
  testing::TempDir dir;
  ASSERT_EQ(::mknod(dir.file("null").c_str(), S_IFCHR | 0600, makedev(1, 3)), 0);
  ASSERT_EQ(::mknod(dir.file("full").c_str(), S_IFCHR | 0600, makedev(1, 7)), 0);
  EXPECT_EQ(write_whole_file(dir.file("null"), "gone").outcome, WriteOutcome::kWritten);
  const FileWrite full = write_whole_file(dir.file("full"), "no room");
  EXPECT_EQ(full.outcome, WriteOutcome::kCannotWrite);
  EXPECT_FALSE(full.reason.empty());
  for (const char* name : {"null", "full"}) EXPECT_TRUE(fs::is_character_file(dir.file(name))) << name;
  EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"full", "null"}));
}

}  // namespace
}  // namespace ombrix
