// Number texts reach the log, the table and the external program: every digit is an interface.
#include "shared/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

namespace ombrix {
namespace {

TEST(FormatFixed, RoundsTheExactBinaryValueTiesToEven) {
  EXPECT_EQ(format_fixed(7.0, 10), "7.0000000000");
  EXPECT_EQ(format_fixed(0.25, 1), "0.2");   // an exact tie goes to even
  EXPECT_EQ(format_fixed(0.35, 1), "0.3");   // 0.35 is stored just below the tie
  EXPECT_EQ(format_fixed(static_cast<double>(0.1f), 10), "0.1000000015");
  EXPECT_EQ(format_fixed(static_cast<double>(33.333332f), 10), "33.3333320618");
}

TEST(FormatFixed, SignsOfZeroAndInfinities) {
  EXPECT_EQ(format_fixed(-0.0, 10), "0.0000000000");  // a true negative zero loses its sign
  EXPECT_EQ(format_fixed(-0.01, 1), "-0.0");          // a small negative value keeps it
  EXPECT_EQ(format_fixed(-12.25, 10), "-12.2500000000");
  EXPECT_EQ(format_fixed(std::numeric_limits<double>::infinity(), 1), "+Infinity");
  EXPECT_EQ(format_fixed(-std::numeric_limits<double>::infinity(), 10), "-Infinity");
}

TEST(FormatFixed, HugeValuesAreWrittenInFull) {
  EXPECT_EQ(format_fixed(static_cast<double>(std::numeric_limits<float>::max()), 1),
            "340282346638528859811704183484516925440.0");
}

TEST(FormatWhole, PlainDecimal) {
  EXPECT_EQ(format_whole(0), "0");
  EXPECT_EQ(format_whole(-1234), "-1234");
  EXPECT_EQ(format_whole(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(ReadDecimal, StopsAtTheFirstCharacterThatCannotContinueTheNumber) {
  EXPECT_EQ(read_decimal("7.0"), 7.0f);
  EXPECT_EQ(read_decimal("  12.5abc"), 12.5f);
  EXPECT_EQ(read_decimal("+3"), 3.0f);
  EXPECT_EQ(read_decimal("1.5.7"), 1.5f);
  EXPECT_EQ(read_decimal(".5"), 0.5f);
  EXPECT_EQ(read_decimal("5."), 5.0f);
  EXPECT_EQ(read_decimal("1e"), 1.0f);    // an exponent needs a digit
  EXPECT_EQ(read_decimal("1e+"), 1.0f);
  EXPECT_EQ(read_decimal("1.5e-07"), 1.5e-07f);
  EXPECT_EQ(read_decimal("2E3x"), 2000.0f);
}

TEST(ReadDecimal, TextWithoutANumberReadsAsPositiveZero) {
  for (const char* text : {"", "abc", "-", ".", "inf", "nan", "-x", "\t5"}) {
    SCOPED_TRACE(text);
    const float value = read_decimal(text);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(value), 0u);
  }
  EXPECT_EQ(read_decimal("0x10"), 0.0f);  // hexadecimal floats are not numbers: reads the 0
}

TEST(ReadDecimal, MinusZeroKeepsItsSign) {
  EXPECT_TRUE(std::signbit(read_decimal("-0")));
  EXPECT_TRUE(std::signbit(read_decimal("-0.0")));
}

TEST(ReadDecimal, RoundsOnceToSinglePrecision) {
  // 0.1 read straight into a float, not through a double first.
  EXPECT_EQ(read_decimal("0.1"), 0.1f);
  // Halfway between two floats above 1: 1 + 2^-24 rounds to even, that is to 1.
  EXPECT_EQ(read_decimal("1.000000059604644775390625"), 1.0f);
  EXPECT_EQ(read_decimal("1e50"), std::numeric_limits<float>::infinity());
  EXPECT_EQ(read_decimal("-1e50"), -std::numeric_limits<float>::infinity());
  EXPECT_EQ(read_decimal("1e-50"), 0.0f);
}

TEST(ReadDecimal, LeadingBlanksDependOnTheField) {
  EXPECT_EQ(read_decimal("\t5", LeadingBlanks::kSpacesAndTabs), 5.0f);
  EXPECT_EQ(read_decimal(" \n\t5", LeadingBlanks::kAnyWhiteSpace), 5.0f);
  EXPECT_EQ(read_decimal("\n5", LeadingBlanks::kSpaces), 0.0f);
}

TEST(ReadWhole, DecimalHexadecimalAndBinary) {
  EXPECT_EQ(read_whole("11"), 11);
  EXPECT_EQ(read_whole(" \t-42x"), -42);
  EXPECT_EQ(read_whole("+7"), 7);
  EXPECT_EQ(read_whole("$1F"), 31);
  EXPECT_EQ(read_whole("%101"), 5);
  EXPECT_EQ(read_whole("-$10"), -16);   // the prefix comes after the sign
  EXPECT_EQ(read_whole("$-10"), 0);
  EXPECT_EQ(read_whole("%102"), 2);     // stops at the first digit the base cannot have
  EXPECT_EQ(read_whole(""), 0);
  EXPECT_EQ(read_whole("abc"), 0);
}

TEST(ReadWhole, KeepsTheLowThirtyTwoBitsOfAWrappingSum) {
  EXPECT_EQ(read_whole("4294967297"), 1);        // 2^32 + 1
  EXPECT_EQ(read_whole("2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(read_whole_64("4294967297"), 4294967297);
  EXPECT_EQ(read_whole_64("18446744073709551617"), 1);  // wraps in 64 bits without fault
}

}  // namespace
}  // namespace ombrix
