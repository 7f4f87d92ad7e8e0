// The report page: cars with errors first, every folder listed, names that cannot break the page.
#include "pack/report_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shared/joined.h"

namespace ombrix {
namespace {

CarCheck car(const std::string& folder, size_t errors, size_t warnings, bool is_car = true) {
  CarCheck checked;
  checked.folder = folder;
  checked.is_car = is_car;
  checked.count = {errors, warnings};
  return checked;
}

size_t occurrences(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(ReportPage, CarsWithErrorsComeFirstThenWarningsThenTheRestInNameOrder) {
  std::vector<CarCheck> cars = {car("a_clean", 0, 0), car("b_parts", 0, 0, false), car("c_warned", 0, 2),
                                car("d_broken", 1, 0), car("e_warned", 0, 1)};
  cars[4].fresh = FreshHull{"fresh/e_warned/hull.hul", {}, {}, ""};
  const std::string page = report_page("game", cars, {true, false, true, true, true});
  std::vector<size_t> at;
  for (const char* folder : {"d_broken", "c_warned", "e_warned", "a_clean", "b_parts"}) at.push_back(page.find(folder));
  for (size_t i = 0; i < at.size(); ++i) {
    ASSERT_NE(at[i], std::string::npos) << i;
    if (i > 0) {
      EXPECT_LT(at[i - 1], at[i]) << i;
    }
  }
  EXPECT_NE(page.find("<span>4 cars</span><span class=\"errors\">1 with errors</span><span class=\"warnings\">2 with "
                      "warnings only</span><span>1 not a car</span>"),
            std::string::npos);
  // The broken car is the fourth folder: its pictures carry its own number, whatever its place.
  EXPECT_NE(page.find("<a href=\"#v4\"><img src=\"pictures/car-004.png\""), std::string::npos);
  EXPECT_NE(page.find("src=\"pictures/car-004-views.png\""), std::string::npos);
  EXPECT_EQ(page.find("car-002"), std::string::npos);  // not a car: no pictures
  for (const char* element : {"figure", "div", "td", "tr", "a"}) {
    SCOPED_TRACE(element);
    EXPECT_EQ(occurrences(page, joined({"<", element, ">"})) + occurrences(page, joined({"<", element, " "})),
              occurrences(page, joined({"</", element, ">"})));
  }
  EXPECT_EQ(page.find("http"), std::string::npos);  // nothing fetched
}

TEST(ReportPage, EachSetOfFiguresIsOneBlockOfThePairWithOrWithoutAFreshHull) {
  CarCheck shipped_only = car("a_shipped", 0, 0);
  CarCheck rebuilt = car("b_rebuilt", 0, 0);
  rebuilt.fresh = FreshHull{"fresh/b_rebuilt/hull.hul", {}, {}, "the body cannot be read"};
  const std::string page = report_page("game", {shipped_only, rebuilt}, {false, false});
  const char* shipped = "<td class=\"figures\"><div class=\"pair\"><div><b>shipped</b><br>nothing to measure</div>";
  EXPECT_EQ(occurrences(page, joined({shipped, "</div></td>"})), 1u);
  EXPECT_EQ(occurrences(page, joined({shipped, "<div><b>fresh</b><br>the body cannot be read</div></div></td>"})), 1u);
}

TEST(ReportPage, NamesAndMessagesAreTextNotMarkup) {
  CarCheck hostile = car("<script>", 1, 0);
  hostile.name = "\"Fast\" & <b>Loud</b>";
  hostile.findings.push_back({"missing-file", Severity::kError, "COLL \"<img src=x>\": there is no such file"});
  const std::string page = report_page("a&b", {hostile}, {false});
  EXPECT_EQ(page.find("<script>"), std::string::npos);
  EXPECT_EQ(page.find("<img src=x>"), std::string::npos);
  EXPECT_NE(page.find("&quot;Fast&quot; &amp; &lt;b&gt;Loud&lt;/b&gt;"), std::string::npos);
  EXPECT_NE(page.find("<title>ombrix check: a&amp;b</title>"), std::string::npos);
}

}  // namespace
}  // namespace ombrix
