// Cars of a made-up pack checked one by one: files found from parameters.txt or without it,
// folders that hold no car, and names that try to leave the game folder.
#include "pack/car_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "hulfile/hul_file.h"
#include "pack/car_parameters.h"
#include "pack/pack_layout.h"
#include "support/generated_hulls.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

namespace fs = std::filesystem;
using testing::write_file;

std::vector<std::string> kinds_of(const CarCheck& car) {
  std::vector<std::string> kinds;
  for (const CarFinding& finding : car.findings) kinds.push_back(finding.kind);
  return kinds;
}

class PackCars : public ::testing::Test {
 protected:
  // A car folder with a body (the prism's corners) and a hull file (the prism), and the
  // parameters text, when given.
  fs::path car(const std::string& folder, const std::optional<std::string>& parameters, const CollisionData& hull) {
    const fs::path place = game / "cars" / folder;
    fs::create_directories(place);
    write_file((place / "body.prm").string(), testing::model_file_bytes(hull.volumes[0].points));
    write_file((place / "hull.hul").string(), *hul_file_bytes(hull));
    if (parameters) write_file((place / "parameters.txt").string(), *parameters);
    return place;
  }
  CarCheck check(const std::string& folder) { return check_car(find_pack_layout(game), "cars/" + folder); }

  testing::TempDir dir;
  fs::path game = dir.path() / "game";
  CollisionData prism = testing::generated_prisms(1);
};

TEST_F(PackCars, ASoundCarIsMeasuredAndItsFilesNamedFromTheFolderGiven) {
  car("akii", "Name \"Akii\"\r\nMODEL 0 \"Cars\\AKII\\Body.prm\"\r\nCOLL \"cars\\akii\\HULL.HUL\"\r\n", prism);
  const CarCheck akii = check("akii");
  EXPECT_TRUE(akii.is_car);
  EXPECT_EQ(akii.name, "Akii");
  EXPECT_EQ(akii.body, "cars/akii/body.prm");
  EXPECT_EQ(akii.hull, "cars/akii/hull.hul");
  EXPECT_TRUE(akii.findings.empty());
  EXPECT_EQ(akii.figures.planes, 5u);
  EXPECT_EQ(akii.figures.spheres, 2u);
  EXPECT_NEAR(*akii.figures.volume, 15588.457, 0.01);  // 3·√3/4·20²·30
  EXPECT_EQ(akii.figures.outside, 0.0);
  // The first sphere alone, radius 7.5, in the prism: 11.3% of its volume.
  prism.spheres.pop_back();
  car("one", "COLL \"cars/one/hull.hul\"", prism);
  EXPECT_NEAR(*check("one").figures.coverage, 100.0 * (4.0 / 3.0 * std::numbers::pi * 7.5 * 7.5 * 7.5) / 15588.457,
              0.3);

  const PackLayout from_cars = find_pack_layout(game / "cars");
  EXPECT_EQ(check_car(from_cars, from_cars.car_folders[0]).hull, "akii/hull.hul");
  const PackLayout from_car = find_pack_layout(game / "cars" / "akii");
  ASSERT_EQ(from_car.car_folders.size(), 1u);
  EXPECT_EQ(check_car(from_car, from_car.car_folders[0]).hull, "hull.hul");
}

TEST_F(PackCars, AHullsFindingsAreInspectsWithTheirSeverities) {
  CollisionData reaching = prism;
  reaching.spheres[0].radius = 30.0f;
  reaching.volumes[0].edges[0].to = 99;
  car("reach", "COLL \"cars/reach/hull.hul\"\nMODEL 0 \"cars/reach/body.prm\"\n", reaching);
  const CarCheck reach = check("reach");
  EXPECT_EQ(kinds_of(reach), (std::vector<std::string>{"edge-index", "sphere-reach"}));
  EXPECT_EQ(reach.findings[1].message, "sphere 1 reaches 20.000 out of hull 1");
  EXPECT_EQ(reach.count.errors, 1u);
  EXPECT_EQ(reach.count.warnings, 1u);
}

TEST_F(PackCars, WithoutParametersABodyAndHullMakeACarAndNeitherMakesNone) {
  car("plain", std::nullopt, prism);
  EXPECT_TRUE(check("plain").is_car);
  EXPECT_EQ(check("plain").hull, "cars/plain/hull.hul");
  fs::create_directories(game / "cars" / "textures");
  write_file((game / "cars" / "textures" / "car.bmp").string(), "BM");
  car("body alone", std::nullopt, prism);
  fs::remove(game / "cars" / "body alone" / "hull.hul");
  // A `\` in a folder's own name is a letter of it, not a separator.
  car("back\\slash", std::nullopt, prism);
  EXPECT_EQ(check("back\\slash").hull, "cars/back\\slash/hull.hul");
  EXPECT_TRUE(check("back\\slash").findings.empty());
  for (const char* folder : {"textures", "body alone"}) {
    SCOPED_TRACE(folder);
    const CarCheck parts = check(folder);
    EXPECT_FALSE(parts.is_car);
    EXPECT_TRUE(parts.findings.empty());
  }
}

TEST_F(PackCars, BadParametersAndBadFilesAreFindingsOfTheirCar) {
  write_file((dir.path() / "secret.hul").string(), *hul_file_bytes(prism));
  const struct {
    const char* folder;
    std::string parameters;
    std::vector<std::string> kinds;
  } rows[] = {
      {"empty", "", {"no-hull", "no-body"}},
      {"binary",
       std::string("\0\x01\x02"
                   "COLL",
                   7),
       {"parameters", "no-hull", "no-body"}},
      {"escape", "MODEL 0 \"cars/escape/body.prm\"\nCOLL \"..\\secret.hul\"\n", {"path-refused"}},
      {"absolute",
       "MODEL 0 \"cars/absolute/body.prm\"\nCOLL \"" + (dir.path() / "secret.hul").string() + "\"\n",
       {"path-refused"}},
      {"missing", "MODEL 0 \"cars/missing/body.prm\"\nCOLL \"cars/missing/other.hul\"\n", {"missing-file"}},
      {"swapped", "MODEL 0 \"cars/swapped/body.prm\"\nCOLL \"cars/swapped/body.prm\"\n", {"unreadable"}},
      {"bad body", "MODEL 0 \"cars/bad body/parameters.txt\"\nCOLL \"cars/bad body/hull.hul\"\n", {"body-unreadable"}},
      {"w\xC3\xA9ird n\xC3\xA4me",
       "MODEL 0 \"cars/w\xC3\xA9ird n\xC3\xA4me/body.prm\"\nCOLL \"cars/W\xC3\xA9IRD N\xC3\xA4ME/hull.hul\"\n",
       {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.folder);
    car(row.folder, row.parameters, prism);
    const CarCheck checked = check(row.folder);
    EXPECT_TRUE(checked.is_car);
    EXPECT_EQ(kinds_of(checked), row.kinds);
  }
  EXPECT_EQ(check("swapped").findings[0].message,
            "cars/swapped/body.prm is a model file (.prm or .m), not a hull file");
  EXPECT_FALSE(check("escape").hull);  // refused, never read
  EXPECT_FALSE(check("escape").figures.planes);

  // A parameters.txt far larger than any car's is read only as far as the limit.
  std::string huge = "COLL \"cars/huge/hull.hul\"\nMODEL 0 \"cars/huge/body.prm\"\n";
  huge.resize(kMostParametersBytes + 1000, ' ');
  car("huge", huge, prism);
  EXPECT_EQ(kinds_of(check("huge")), std::vector<std::string>{"parameters"});
}

TEST_F(PackCars, AFolderThatIsALinkOutOrALoopIsACarWithAnErrorAndIsListedOnce) {
  car("akii", std::nullopt, prism);
  fs::create_directory_symlink(dir.path(), game / "cars" / "out");
  fs::create_symlink(game / "cars" / "loop", game / "cars" / "loop");
  write_file((game / "cars" / "readme.txt").string(), "not a folder");
  const PackLayout layout = find_pack_layout(game);
  EXPECT_EQ(layout.car_folders, (std::vector<std::string>{"cars/akii", "cars/loop", "cars/out"}));
  for (const char* folder : {"loop", "out"}) {
    SCOPED_TRACE(folder);
    EXPECT_EQ(kinds_of(check(folder)), std::vector<std::string>{"path-refused"});
  }
  EXPECT_NE(find_pack_layout(dir.path() / "nowhere").fault, "");
  EXPECT_EQ(find_pack_layout("/").fault, "can't read /: it holds no cars folder and is not a car's folder");
}

}  // namespace
}  // namespace ombrix
