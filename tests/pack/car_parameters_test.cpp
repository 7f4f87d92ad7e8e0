// parameters.txt as the game reads it: the body, the hull file and the name, whatever the file's dress.
#include "pack/car_parameters.h"

#include <gtest/gtest.h>

#include <string>

namespace ombrix {
namespace {

TEST(CarParameters, EntriesAreFoundInAnyCaseQuotedOrNotThroughCommentsLineEndsAndAByteOrderMark) {
  const struct {
    const char* name;
    std::string text;
  } rows[] = {
      {"as shipped",
       "Name\t\"Akii\"\n; Model Filenames\nMODEL \t0 \t\"cars\\akii\\body.prm\"\nMODEL 1 \"x.prm\"\n"
       "COLL \t\t\"cars\\akii\\hull.hul\"\n"},
      {"Windows line ends and a mark",
       "\xEF\xBB\xBFname \"Akii\"\r\nmodel 0 \"cars\\akii\\body.prm\"\r\ncoll \"cars\\akii\\hull.hul\"\r\n"},
      {"old Mac line ends, no quotes", "NAME Akii\rMODEL 0 cars\\akii\\body.prm\rCOLL cars\\akii\\hull.hul"},
      {"comments after and before",
       ";COLL \"nope.hul\"\nName \"Akii\" ; the name\nMODEL 0 \"cars\\akii\\body.prm\";body\n"
       "COLL \"cars\\akii\\hull.hul\"   ; hull\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const CarParameters parameters = read_car_parameters(row.text);
    EXPECT_EQ(parameters.name, "Akii");
    EXPECT_EQ(parameters.body, "cars\\akii\\body.prm");
    EXPECT_EQ(parameters.hull, "cars\\akii\\hull.hul");
    EXPECT_TRUE(parameters.notes.empty());
  }
}

TEST(CarParameters, HostileTextGivesNotesOrNothingNeverACrash) {
  EXPECT_FALSE(read_car_parameters("").hull);
  const CarParameters binary = read_car_parameters(std::string("COLL \"a.hul\"\n\0\x01\xff", 16));
  EXPECT_FALSE(binary.hull);
  EXPECT_EQ(binary.notes, std::vector<std::string>{"parameters.txt is not text"});
  // Repeated with other values: the last counts, said once however often it repeats.
  std::string repeated;
  for (int i = 0; i < 1000; ++i) repeated += "COLL \"h" + std::to_string(i) + ".hul\"\n";
  const CarParameters twice = read_car_parameters(repeated);
  EXPECT_EQ(twice.hull, "h999.hul");
  EXPECT_EQ(twice.notes, std::vector<std::string>{"COLL is given more than once; the last is used"});
  // A quote never closed, a keyword alone, MODEL without its number.
  const CarParameters odd = read_car_parameters("COLL \"cars\\a\\hull.hul\nCOLL\nMODEL \"x.prm\"\nMODEL 0\n");
  EXPECT_EQ(odd.hull, "cars\\a\\hull.hul");
  EXPECT_FALSE(odd.body);
}

}  // namespace
}  // namespace ombrix
