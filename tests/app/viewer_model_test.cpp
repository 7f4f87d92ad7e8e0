// The model the viewer opens beside a hull file given alone.
#include "app/viewer_model.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace ombrix {
namespace {

TEST(ModelBeside, IsTheCarsBodyInTheHullFilesFolderWhenItIsAFile) {
  testing::TempDir dir;
  const std::string hul = dir.file("car.hul");
  EXPECT_EQ(model_beside(hul), "");
  std::filesystem::create_directory(dir.path() / "body.prm");  // a folder is no model
  EXPECT_EQ(model_beside(hul), "");
  std::filesystem::remove(dir.path() / "body.prm");
  testing::write_file(dir.file("body.prm"), "x");
  EXPECT_EQ(model_beside(hul), dir.file("body.prm"));
}

}  // namespace
}  // namespace ombrix
