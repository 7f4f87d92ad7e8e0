// `picture` as scripts use it: a PNG of the asked size from a model, a hull file or both, and
// nothing written, with the reason, when a file cannot be read or the size makes no sense.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "hulfile/hul_file.h"
#include "support/generated_hulls.h"
#include "support/program_run.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::png_size;
using testing::read_file;
using testing::write_file;

class PictureCommand : public ::testing::Test {
 protected:
  PictureCommand() {
    const CollisionData prisms = testing::generated_prisms(2);
    write_file(dir.file("prisms.hul"), *hul_file_bytes(prisms));
    write_file(dir.file("body.prm"), testing::model_file_bytes(prisms.volumes[1].points, 4));
  }
  testing::ProgramRun run(const std::string& arguments) {
    return testing::run_program(OMBRIX_CLI_PATH, dir.path(), arguments);
  }
  bool exists(const std::string& name) const { return std::filesystem::exists(dir.path() / name); }

  testing::TempDir dir;
};

TEST_F(PictureCommand, WritesAPictureOfTheAskedSizeFromAModelAHullFileOrBoth) {
  const struct {
    const char* arguments;
    const char* output;
    std::pair<unsigned, unsigned> size;
  } rows[] = {
      {"picture --model body.prm --hul prisms.hul --output both.png", "both.png", {1200, 900}},
      {"picture --hul prisms.hul --output hull.png --size 320x240", "hull.png", {320, 240}},
      {"picture --model body.prm --output model.png --size 160x4096", "model.png", {160, 4096}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments);
    const testing::ProgramRun result = run(row.arguments);
    EXPECT_EQ(result.status, 0) << result.out;
    EXPECT_EQ(result.out, "");  // nothing said when all went well
    EXPECT_EQ(png_size(read_file(dir.file(row.output))), row.size);
  }
}

TEST_F(PictureCommand, WritesNothingWhenAFileCannotBeReadOrTheSizeIsWrong) {
  write_file(dir.file("cut.hul"), read_file(dir.file("prisms.hul")).substr(0, 200));
  write_file(dir.file("junk.prm"), "junk");
  const struct {
    const char* arguments;
    int status;
    const char* line;
  } rows[] = {
      {"picture --model junk.prm --hul prisms.hul --output v.png", 2, "ombrix-cli: File 'junk.prm' is truncated."},
      {"picture --hul cut.hul --output v.png", 2, "ombrix-cli: Can't read cut.hul: hull 1 of 2 is cut off"},
      {"picture --model missing.prm --output v.png", 2, "ombrix-cli: Can't read file: missing.prm"},
      {"picture --output v.png", 2, "picture needs --model, --hul or both"},
      {"picture --hul prisms.hul --output v.png --size 159x120", 2, "not '159x120'"},
      {"picture --hul prisms.hul --output v.png --size 4097x200", 2, "not '4097x200'"},
      {"picture --hul prisms.hul --output v.png --size 300*200", 2, "not '300*200'"},
      {"picture --hul prisms.hul --output v.png --size 300x", 2, "not '300x'"},
      {"picture --hul prisms.hul --output no/such/folder/v.png", 1, "can't write the picture to no/such/folder/v.png"},
      {"picture --hul prisms.hul", 2, "--output is required"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments);
    const testing::ProgramRun result = run(row.arguments);
    EXPECT_EQ(result.status, row.status) << result.out;
    EXPECT_NE(result.out.find(row.line), std::string::npos) << result.out;
    EXPECT_FALSE(exists("v.png"));
  }
}

}  // namespace
}  // namespace ombrix
