// How the input field's text becomes main and excluded volumes.
#include "pipeline/input_list.h"

#include <gtest/gtest.h>

namespace ombrix {
namespace {

struct Expected {
  std::string path;
  bool excluded;
};

void expect_entries(const std::vector<InputEntry>& entries, const std::vector<Expected>& expected) {
  ASSERT_EQ(entries.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(entries[i].path, expected[i].path);
    EXPECT_EQ(entries[i].excluded, expected[i].excluded);
  }
}

TEST(InputListSplit, BarsSeparateMainVolumesWhateverTheBlanks) {
  expect_entries(parse_input_list("a.prm|b.prm", "d/"), {{"d/a.prm", false}, {"d/b.prm", false}});
  expect_entries(parse_input_list("  a.prm  |  b.prm  ", "d/"), {{"d/a.prm", false}, {"d/b.prm", false}});
}

TEST(InputListSplit, StarsAddExcludedVolumesToTheirGroup) {
  expect_entries(parse_input_list("a.prm * b.prm", ""), {{"a.prm", false}, {"b.prm", true}});
  expect_entries(parse_input_list("a.prm | b.prm * c.prm * d.prm", ""),
                 {{"a.prm", false}, {"b.prm", false}, {"c.prm", true}, {"d.prm", true}});
}

TEST(InputListSplit, EmptyGroupsAndNamesKeepAnEntryWithTheBarePrefix) {
  expect_entries(parse_input_list("", "w/"), {{"w/", false}});
  expect_entries(parse_input_list("a.prm |", "w/"), {{"w/a.prm", false}, {"w/", false}});
  expect_entries(parse_input_list("a.prm *", ""), {{"a.prm", false}, {"", true}});
}

TEST(InputListSplit, OnlySpacesAreTrimmedNotTabs) {
  expect_entries(parse_input_list("\ta.prm | b.prm\t", ""), {{"\ta.prm", false}, {"b.prm\t", false}});
}

TEST(InputListSplit, NamesAreJoinedAsTextEvenWhenAbsolute) {
  expect_entries(parse_input_list("/abs/a.prm", "w/"), {{"w//abs/a.prm", false}});
}

}  // namespace
}  // namespace ombrix
