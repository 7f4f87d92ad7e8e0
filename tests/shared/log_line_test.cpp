// The time stamp and the date expansion of log lines and of the window title.
#include "shared/log_line.h"

#include <gtest/gtest.h>

#include "shared/log.h"

namespace ombrix {
namespace {

const LocalTime kAfternoon{2010, 10, 15, 14, 7, 5};
const LocalTime kEarly{2026, 1, 2, 3, 4, 9};

TEST(LogLine, StampedLinesBeginWithTheTimeAFullStopAndATab) {
  EXPECT_EQ(format_log_line("start", Stamp::kStamped, kAfternoon), "14:07:05.\tstart");
  EXPECT_EQ(format_log_line("start", Stamp::kStamped, kEarly), "03:04:09.\tstart");
}

TEST(LogLine, EmptyTexts) {
  EXPECT_EQ(format_log_line("", Stamp::kPlain, kAfternoon), "");
  EXPECT_EQ(format_log_line("", Stamp::kStamped, kAfternoon), "14:07:05.\t");
}

TEST(LogLine, DateTokensInsideAStampedTextAreExpandedButNotInABareOne) {
  EXPECT_EQ(format_log_line("Reading file: C:\\%dd\\a.prm", Stamp::kStamped, kAfternoon),
            "14:07:05.\tReading file: C:\\15\\a.prm");
  EXPECT_EQ(format_log_line("C:\\%dd\\a.prm", Stamp::kPlain, kAfternoon), "C:\\%dd\\a.prm");
}

TEST(DateExpansion, TokensIgnoreCaseAndTheFourDigitYearComesFirst) {
  EXPECT_EQ(expand_date("%yyyy", kAfternoon), "2010");
  EXPECT_EQ(expand_date("%yy", kAfternoon), "10");
  EXPECT_EQ(expand_date("%YyYy-%MM-%Dd %HH:%Ii:%sS", kEarly), "2026-01-02 03:04:09");
  EXPECT_EQ(expand_date("ombrix - Rel.%yy-%mm-%dd", {2010, 10, 15, 2, 41, 47}), "ombrix - Rel.10-10-15");
}

TEST(DateExpansion, APercentThatStartsNoTokenStays) {
  EXPECT_EQ(expand_date("covers 30.9% of it", kAfternoon), "covers 30.9% of it");
  EXPECT_EQ(expand_date("%", kAfternoon), "%");
  EXPECT_EQ(expand_date("%%dd", kAfternoon), "%15");
  EXPECT_EQ(expand_date("%y", kAfternoon), "%y");
}

TEST(LineLog, HandsEachFormattedLineToItsWriter) {
  std::vector<std::string> lines;
  LineLog log([&](const std::string& line) { lines.push_back(line); }, [] { return kAfternoon; });
  log.log_message("", Stamp::kPlain);
  log.log_message("start", Stamp::kStamped);
  EXPECT_EQ(lines, (std::vector<std::string>{"", "14:07:05.\tstart"}));
}

}  // namespace
}  // namespace ombrix
