// A car's file names found as the game finds them, and never outside the game folder.
#include "pack/game_path.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_files.h"

namespace ombrix {
namespace {

namespace fs = std::filesystem;

class GamePaths : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(game / "cars" / "gtc_arcstomper");
    testing::write_file((game / "cars" / "gtc_arcstomper" / "Body.prm").string(), "body");
    testing::write_file((dir.path() / "secret.txt").string(), "secret");
  }
  testing::TempDir dir;
  fs::path game = dir.path() / "game";
};

TEST_F(GamePaths, AnyLetterCaseAndEitherSeparatorFindTheRealFile) {
  for (const char* name : {"cars\\gtc_ArcStomper\\body.prm", "cars/gtc_arcstomper/Body.prm",
                           "CARS\\GTC_ARCSTOMPER\\BODY.PRM", "cars//./gtc_arcstomper/x/../body.prm"}) {
    SCOPED_TRACE(name);
    const GamePath found = find_game_path(game, name);
    EXPECT_EQ(found.fault, "");
    EXPECT_EQ(found.shown, "cars/gtc_arcstomper/Body.prm");
    EXPECT_EQ(found.path, game / "cars" / "gtc_arcstomper" / "Body.prm");
  }
  EXPECT_EQ(find_game_path(game, "cars/gtc_arcstomper/hull.hul").fault, "there is no such file");
}

TEST_F(GamePaths, NamesThatLeaveTheGameFolderAreRefused) {
  fs::create_directory_symlink(dir.path(), game / "cars" / "out");
  fs::create_symlink(game / "cars" / "loop", game / "cars" / "loop");
  fs::create_symlink(game / "cars" / "gtc_arcstomper" / "Body.prm", game / "cars" / "inside.prm");
  const struct {
    const char* name;
    const char* fault;
  } rows[] = {
      {"../secret.txt", "a path that leads out of the game folder: it is not opened"},
      {"cars\\..\\..\\secret.txt", "a path that leads out of the game folder: it is not opened"},
      {"/etc/passwd", "an absolute path, outside the game folder: it is not opened"},
      {"\\cars\\x.prm", "an absolute path, outside the game folder: it is not opened"},
      {"C:\\cars\\x.prm", "an absolute path, outside the game folder: it is not opened"},
      {"cars/out/secret.txt", "a link that leads out of the game folder: it is not opened"},
      {"cars/loop", "a link that loops or leads nowhere: it is not opened"},
      {"", "the name is empty"},
      {"cars/inside.prm", ""},  // a link that stays inside is followed
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(find_game_path(game, row.name).fault, row.fault);
  }
}

}  // namespace
}  // namespace ombrix
