// Every command with the files it reads and writes: no input written over by any of its names,
// nothing but a regular file read, and a failed standard output never taken for success.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "hulfile/hul_file.h"
#include "support/generated_hulls.h"
#include "support/program_run.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::read_file;
using testing::write_file;

class CommandFiles : public ::testing::Test {
 protected:
  CommandFiles() {
    write_file(dir.file("body.prm"), testing::model_file_bytes(testing::box_corners({-5, -5, -5}, {5, 5, 5})));
    write_file(dir.file("parts.hul"), *hul_file_bytes(testing::generated_prisms(2)));
    std::filesystem::create_hard_link(dir.file("body.prm"), dir.file("second.prm"));
  }
  testing::ProgramRun run(const std::string& arguments) {
    return testing::run_program(OMBRIX_CLI_PATH, dir.path(), arguments);
  }
  void expect_inputs_intact() {
    EXPECT_EQ(read_file(dir.file("body.prm")),
              testing::model_file_bytes(testing::box_corners({-5, -5, -5}, {5, 5, 5})));
    EXPECT_EQ(read_file(dir.file("parts.hul")), *hul_file_bytes(testing::generated_prisms(2)));
  }

  testing::TempDir dir;
};

TEST_F(CommandFiles, NoCommandWritesOverAFileItReads) {
  const struct {
    const char* arguments;
    const char* line;
  } rows[] = {
      {"picture --model body.prm --hul parts.hul --output body.prm",
       "ombrix-cli: body.prm is the input file; the picture is not written over it\n"},
      {"picture --model body.prm --hul parts.hul --output parts.hul",
       "ombrix-cli: parts.hul is the input file; the picture is not written over it\n"},
      {"picture --model body.prm --output second.prm",
       "ombrix-cli: second.prm is the input file body.prm; the picture is not written over it\n"},
      {"--workdir . --input body.prm --output out.hul --table ./second.prm",
       "ombrix-cli: ./second.prm is the input file ./body.prm; the table is not written over it\n"},
      {"--workdir . --input body.prm --output out.hul --picture body.prm",
       "ombrix-cli: body.prm is the input file ./body.prm; the picture is not written over it\n"},
      {"--workdir . --input body.prm --output body.prm",
       "Can't write file: ./body.prm (it is the input file ./body.prm).\n"},
      {"--settings --input body.prm --output ombrix.ini",
       "Can't write file: ombrix.ini (it is the input file ombrix.ini).\n"},
  };
  write_file(dir.file("ombrix.ini"), "target_sphere_n = 3\r\n");
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments);
    const testing::ProgramRun refused = run(row.arguments);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find(row.line), std::string::npos) << refused.out;
    expect_inputs_intact();
  }
  EXPECT_EQ(read_file(dir.file("ombrix.ini")), "target_sphere_n = 3\r\n");
}

TEST_F(CommandFiles, TheRunWritesAnAbsoluteOutputWhereItNamesAndARelativeOneInTheWorkingFolder) {
  testing::TempDir elsewhere;
  std::filesystem::create_directory(dir.path() / "w");
  write_file(dir.file("w/body.prm"), read_file(dir.file("body.prm")));
  EXPECT_EQ(run("--workdir w --input body.prm --output " + elsewhere.file("x.hul")).status, 0);
  EXPECT_TRUE(std::filesystem::exists(elsewhere.file("x.hul")));
  EXPECT_EQ(run("--workdir w --input body.prm --output y.hul").status, 0);
  EXPECT_TRUE(std::filesystem::exists(dir.file("w/y.hul")));
}

TEST_F(CommandFiles, AFolderOrAPipeNamedAsAnInputIsRefusedAtOnce) {
  std::filesystem::create_directory(dir.path() / "folder");
  ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);  // no writer: a plain read would wait for ever
  const struct {
    const char* arguments;
    const char* line;
  } rows[] = {
      {"picture --model folder --output v.png", "Can't read file: folder: it is not a regular file"},
      {"picture --model pipe --output v.png", "Can't read file: pipe: it is not a regular file"},
      {"inspect parts.hul --model pipe", "can't use the model: Can't read file: pipe: it is not a regular file"},
      {"hul pipe --output h.hul", "can't read pipe: it is not a regular file"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments);
    const testing::ProgramRun refused = run(row.arguments);
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.out.find(row.line), std::string::npos) << refused.out;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.file("v.png")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("h.hul")));
}

TEST_F(CommandFiles, AFullStandardOutputEndsEveryCommandWithAnError) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no full device to print to";
  for (const char* arguments : {"text parts.hul", "inspect parts.hul", "inspect parts.hul --json",
                                "--input body.prm --output out.hul --table -", "--input body.prm --output out.hul"}) {
    SCOPED_TRACE(arguments);
    const testing::ProgramRun full =
        testing::run_program(OMBRIX_CLI_PATH, dir.path(), std::string(arguments) + " 2>&1 >/dev/full", false);
    EXPECT_NE(full.status, 0);
    EXPECT_EQ(full.out, "ombrix-cli: can't write to the standard output\n");
  }
}

}  // namespace
}  // namespace ombrix
