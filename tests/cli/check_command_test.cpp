// check as scripts use it: one line a car in name order, the total, JSON, and the exit statuses.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <string>

#include "hulfile/hul_file.h"
#include "hulfile/hul_file_reader.h"
#include "support/generated_hulls.h"
#include "support/program_run.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

namespace fs = std::filesystem;
using testing::write_file;

class CheckCommand : public ::testing::Test {
 protected:
  testing::ProgramRun run(const std::string& arguments, bool errors = true) {
    return testing::run_program(OMBRIX_CLI_PATH, dir.path(), arguments, errors);
  }
  void car(const std::string& folder, const CollisionData& hull) {
    const fs::path place = dir.path() / "game" / "cars" / folder;
    fs::create_directories(place);
    write_file((place / "body.prm").string(), testing::model_file_bytes(hull.volumes[0].points));
    write_file((place / "hull.hul").string(), *hul_file_bytes(hull));
    write_file((place / "parameters.txt").string(), "Name \"" + folder + "\"\nMODEL 0 \"cars\\" + folder +
                                                        "\\body.prm\"\nCOLL \"cars\\" + folder + "\\hull.hul\"\n");
  }
  testing::TempDir dir;
};

TEST_F(CheckCommand, OneLineACarInNameOrderThenTheTotalAndAnExitStatusForErrorsOnly) {
  CollisionData reaching = testing::generated_prisms(1);
  reaching.spheres[0].radius = 30.0f;
  car("b_reach", reaching);
  car("a_sound", testing::generated_prisms(1));
  fs::create_directories(dir.path() / "game" / "cars" / "c_parts");
  const testing::ProgramRun result = run("check game --jobs 2", false);
  EXPECT_EQ(result.status, 0) << result.out;
  EXPECT_EQ(result.out,
            "a_sound (a_sound): 0 errors, 0 warnings; 5 planes, 2 spheres, volume 15588.5, body 0.0% out, spheres "
            "fill 16.7% of the hull\n"
            "b_reach (b_reach): 0 errors, 1 warning; 5 planes, 2 spheres, volume 15588.5, body 0.0% out, spheres "
            "fill 100.0% of the hull\n"
            "c_parts: not a car\n"
            "3 folders: 2 cars, 0 with errors, 1 with warnings only, 1 not a car\n");
  EXPECT_EQ(run("check game --strict").status, 1);
  EXPECT_EQ(run("check game/cars --jobs 1", false).out, result.out);

  CollisionData broken = testing::generated_prisms(1);
  broken.volumes[0].planes.pop_back();
  car("d_open", broken);
  const testing::ProgramRun open = run("check game/cars/d_open", false);
  EXPECT_EQ(open.status, 1);
  EXPECT_NE(
      open.out.find(
          "d_open (d_open): 1 error, 0 warnings; 4 planes, 2 spheres, body 0.0% out; first error: open-hull: hull 1"),
      std::string::npos)
      << open.out;
  EXPECT_EQ(run("check nowhere").status, 2);
}

TEST_F(CheckCommand, ControlCharactersInNamesKeepOneLineACarAndReachNoTerminal) {
  car("new\nline", testing::generated_prisms(1));
  write_file(dir.file("game/cars/new\nline/parameters.txt"), "Name \"\x1b[2J\"\nCOLL \"cars/none.hul\"\n");
  const testing::ProgramRun result = run("check game", false);
  EXPECT_EQ(result.out,
            "new?line (?[2J): 1 error, 1 warning; first error: missing-file: COLL \"cars/none.hul\": there is no "
            "such file\n"
            "1 folder: 1 car, 1 with errors, 0 with warnings only, 0 not cars\n");
}

TEST_F(CheckCommand, JsonHasAnEntryPerFolderWithPathsRelativeToTheFolderGiven) {
  car("akii", testing::generated_prisms(1));
  fs::create_directories(dir.path() / "game" / "cars" / "misc");
  const testing::ProgramRun result = run("check game/cars --json", false);
  EXPECT_EQ(result.status, 0);
  QJsonParseError error;
  const QJsonObject report = QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError) << result.out;
  EXPECT_EQ(report["path"].toString(), "game/cars");
  const QJsonArray cars = report["cars"].toArray();
  ASSERT_EQ(cars.size(), 2);
  const QJsonObject akii = cars[0].toObject();
  EXPECT_EQ(akii["folder"].toString(), "akii");
  EXPECT_EQ(akii["kind"].toString(), "car");
  EXPECT_EQ(akii["name"].toString(), "akii");
  EXPECT_EQ(akii["body"].toString(), "akii/body.prm");
  EXPECT_EQ(akii["hull"].toString(), "akii/hull.hul");
  EXPECT_EQ(akii["planes"].toInt(), 5);
  EXPECT_EQ(akii["spheres"].toInt(), 2);
  EXPECT_NEAR(akii["volume"].toDouble(), 15588.457, 0.01);
  EXPECT_EQ(akii["outside"].toDouble(), 0.0);
  EXPECT_EQ(akii["errors"].toInt(), 0);
  EXPECT_TRUE(akii["findings"].toArray().isEmpty());
  const QJsonObject misc = cars[1].toObject();
  EXPECT_EQ(misc["kind"].toString(), "not a car");
  EXPECT_TRUE(misc["name"].isNull());
  EXPECT_TRUE(misc["planes"].isNull());
  EXPECT_TRUE(misc["coverage"].isNull());
}

TEST_F(CheckCommand, AVolumeBeyondSinglePrecisionIsStillANumberInJson) {
  car("huge", testing::generated_prisms(1));
  ASSERT_EQ(run("scale game/cars/huge/hull.hul 1e36 --output game/cars/huge/hull.hul --overwrite").status, 0);
  const testing::ProgramRun result = run("check game --json", false);
  QJsonParseError error;
  const QJsonObject report = QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError) << result.out;
  const QJsonValue volume = report["cars"].toArray()[0].toObject()["volume"];
  EXPECT_TRUE(volume.isDouble()) << result.out;
  EXPECT_NEAR(volume.toDouble() / 15588.457e108, 1.0, 1e-4);
}

TEST_F(CheckCommand, HullCommandsGivenAModelFileSaySoPlainly) {
  write_file(dir.file("body.prm"), testing::model_file_bytes(testing::generated_prisms(1).volumes[0].points));
  fs::copy_file(dir.file("body.prm"), dir.file("body.bin"));
  for (const char* command : {"inspect body.prm", "text body.prm", "scale body.prm 2 --output x.hul",
                              "simplify body.prm --planes 4 --output x.hul", "inspect body.bin",
                              "picture --hul body.prm --output x.png", "fill body.prm --output x.hul"}) {
    SCOPED_TRACE(command);
    const testing::ProgramRun result = run(command);
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.out.find(" is a model file (.prm or .m), not a hull file"), std::string::npos) << result.out;
  }
}

TEST_F(CheckCommand, ReportAndRebuildWriteBesideThePackNeverInIt) {
  CollisionData reaching = testing::generated_prisms(1);
  reaching.spheres[0].radius = 30.0f;
  car("akii", reaching);
  fs::create_directories(dir.path() / "game" / "cars" / "misc");
  const std::string pack_hull = testing::read_file((dir.path() / "game/cars/akii/hull.hul").string());

  const testing::ProgramRun result =
      run("check game --report out/report --rebuild out/fresh --hull exact --spheres 3 --planes 4");
  EXPECT_EQ(result.status, 0) << result.out;
  EXPECT_NE(
      result.out.find("akii (akii): 0 errors, 1 warning; 5 planes, 2 spheres, volume 15588.5, body 0.0% out, "
                      "spheres fill 100.0% of the hull; fresh: 0 errors, 0 warnings, 4 planes, 3 spheres, volume "),
      std::string::npos)
      << result.out;
  EXPECT_EQ(testing::read_file((dir.path() / "game/cars/akii/hull.hul").string()), pack_hull);
  const HulReading fresh = read_hul_file((dir.path() / "out/fresh/akii/hull.hul").string());
  EXPECT_EQ(fresh.fault, "");
  EXPECT_EQ(fresh.data.spheres.size(), 3u);
  const std::string page = testing::read_file((dir.path() / "out/report/index.html").string());
  EXPECT_NE(page.find("<b>fresh</b>"), std::string::npos);
  for (const char* picture : {"car-001.png", "car-001-views.png", "car-001-fresh.png", "car-001-fresh-views.png"}) {
    SCOPED_TRACE(picture);
    const auto [width, height] =
        testing::png_size(testing::read_file((dir.path() / "out/report/pictures" / picture).string()));
    EXPECT_GT(width, 100u);
    EXPECT_GT(height, 100u);
  }
  EXPECT_FALSE(fs::exists(dir.path() / "out/report/pictures/car-002.png"));  // misc is not a car

  for (const char* inside : {"check game --rebuild game/cars", "check game/cars/akii --rebuild game/cars",
                             "check game --report game/report"}) {
    SCOPED_TRACE(inside);
    const testing::ProgramRun refused = run(inside);
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.out.find("lies inside the game folder"), std::string::npos) << refused.out;
  }
  EXPECT_EQ(testing::read_file((dir.path() / "game/cars/akii/hull.hul").string()), pack_hull);
  const testing::ProgramRun no_budget = run("check game --rebuild out/other --planes 3");
  EXPECT_EQ(no_budget.status, 2);
  EXPECT_NE(no_budget.out.find("Max planes must be empty, 0 or a whole number from 4 to 32767, not '3'"),
            std::string::npos);
}

TEST_F(CheckCommand, LinksInTheReportFolderDoNotLeadItsWritesIntoThePack) {
  car("akii", testing::generated_prisms(1));
  const fs::path akii = dir.path() / "game/cars/akii";
  const std::string parameters = testing::read_file((akii / "parameters.txt").string());
  const std::string body = testing::read_file((akii / "body.prm").string());
  fs::create_directories(dir.path() / "linked");
  fs::create_directory_symlink(akii, dir.path() / "linked/pictures");
  const testing::ProgramRun folder = run("check game --report linked");
  EXPECT_EQ(folder.status, 2);
  EXPECT_NE(folder.out.find("lies inside the game folder"), std::string::npos) << folder.out;

  fs::create_directories(dir.path() / "page/pictures");
  fs::create_symlink(akii / "parameters.txt", dir.path() / "page/index.html");
  fs::create_symlink(akii / "body.prm", dir.path() / "page/pictures/car-001.png");
  const testing::ProgramRun page = run("check game --report page");
  EXPECT_EQ(page.status, 2);
  EXPECT_NE(page.out.find("can't write the report page page/index.html: it is a link into the game folder"),
            std::string::npos)
      << page.out;
  EXPECT_EQ(testing::read_file((akii / "parameters.txt").string()), parameters);
  EXPECT_EQ(testing::read_file((akii / "body.prm").string()), body);
  EXPECT_EQ(std::distance(fs::directory_iterator(akii), fs::directory_iterator()), 3);
}

}  // namespace
}  // namespace ombrix
