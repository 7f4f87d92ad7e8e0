// `picture` as scripts use it: a PNG of the asked size from a model, a hull file or both, and
// nothing written, with the reason, when a file cannot be read or the size makes no sense.
#include <gtest/gtest.h>

#include <filesystem>

#include "hulfile/hul_file.h"
#include "support/generated_hulls.h"
#include "support/program_run.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::read_file;
using testing::write_file;

TEST(PictureCommand, WritesThePictureAskedForOrNothingWithTheReason) {
  testing::TempDir dir;
  const CollisionData prisms = testing::generated_prisms(2);
  write_file(dir.file("prisms.hul"), *hul_file_bytes(prisms));
  write_file(dir.file("body.prm"), testing::model_file_bytes(prisms.volumes[1].points, 4));
  write_file(dir.file("cut.hul"), read_file(dir.file("prisms.hul")).substr(0, 200));
  write_file(dir.file("junk.prm"), "junk");
  const struct {
    const char* arguments;
    int status;
    const char* said;                             // on standard error; nothing when all went well
    std::pair<unsigned, unsigned> size = {0, 0};  // zeros: no picture
  } rows[] = {
      {"--model body.prm --hul prisms.hul", 0, "", {1200, 900}},
      {"--hul prisms.hul --size 320x240", 0, "", {320, 240}},
      {"--model body.prm --size 160x4096", 0, "", {160, 4096}},
      {"--model junk.prm --hul prisms.hul", 2, "ombrix-cli: File 'junk.prm' is truncated. (nothing written)\n", {}},
      {"--hul cut.hul", 2, "ombrix-cli: Can't read cut.hul: hull 1 of 2 is cut off", {}},
      {"", 2, "ombrix-cli: picture needs --model, --hul or both\n", {}},
      {"--hul prisms.hul --size 159x120", 2, "not '159x120'", {}},
      {"--hul prisms.hul --size 4097x200", 2, "not '4097x200'", {}},
      {"--hul prisms.hul --size 300x", 2, "not '300x'", {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments);
    std::filesystem::remove(dir.file("v.png"));
    const testing::ProgramRun run =
        testing::run_program(OMBRIX_CLI_PATH, dir.path(), std::string("picture --output v.png ") + row.arguments);
    EXPECT_EQ(run.status, row.status) << run.out;
    EXPECT_NE(run.out.find(row.said), std::string::npos) << run.out;
    if (*row.said == '\0') {
      EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(testing::png_size(read_file(dir.file("v.png"))), row.size);
  }
  const testing::ProgramRun unwritable =
      testing::run_program(OMBRIX_CLI_PATH, dir.path(), "picture --hul prisms.hul --output no/such/folder/v.png");
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_EQ(unwritable.out,
            "ombrix-cli: can't write the picture to no/such/folder/v.png (No such file or directory)\n");
}

}  // namespace
}  // namespace ombrix
