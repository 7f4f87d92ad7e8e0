// Number texts reach the log, the table and the external program: every digit is an interface.
#include "shared/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace ombrix {
namespace {

TEST(FormatFixed, RoundsTheExactBinaryValueTiesToEven) {
  EXPECT_EQ(format_fixed(7.0, 10), "7.0000000000");
  EXPECT_EQ(format_fixed(0.25, 1), "0.2");  // an exact tie goes to even
  EXPECT_EQ(format_fixed(0.35, 1), "0.3");  // 0.35 is stored just below the tie
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
  EXPECT_EQ(read_decimal("1e"), 1.0f);  // an exponent needs a digit
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

// An independent reader: the C library's, correctly rounded straight to float for any number
// of digits. The tests run in the "C" locale, so "." is its decimal point.
float c_library_float(const std::string& text) { return std::strtof(text.c_str(), nullptr); }

// `before`, `count` zeros, `after`, built up in place (GCC 12 misreports "..." + std::string).
std::string with_zeros(const std::string& before, size_t count, const std::string& after) {
  std::string text = before;
  text.append(count, '0');
  text += after;
  return text;
}

// 2^-150 written out in full: the midpoint between zero and the smallest float, times 10^46.
const std::string kHalfSmallestFloat =
    "7.00649232162408535461864791644958065640130970938257885878534141944895541342930300743319094181060791015625";

struct DecimalCase {
  const char* name;
  std::string text;
};

// Texts whose digits alone lie far outside float's range, exact midpoints between two floats,
// and midpoints pushed off by a digit far beyond where a shortened reading would look.
const std::vector<DecimalCase> kLongDecimalCases = {
    {"1 and 400 zeros with a negative exponent overflows", with_zeros("1", 400, "e-10")},
    {"400 zeros after the point with a positive exponent underflows", with_zeros("0.", 400, "1e+10")},
    {"long mantissa cancelled by its exponent", with_zeros("1", 400, "e-400")},
    {"long fraction cancelled by its exponent", with_zeros("0.", 400, "1e+401")},
    {"leading zeros before the integer part", with_zeros("", 500, "3.25")},
    {"trailing zeros after the fraction", with_zeros("3.25", 500, "")},
    {"negative overflow", with_zeros("-1", 400, "")},
    {"negative underflow keeps its sign", with_zeros("-0.", 400, "1")},
    {"exponent beyond any integer type", "1e99999999999999999999999999"},
    {"negative exponent beyond any integer type", "1e-99999999999999999999999999"},
    {"zero with a huge exponent", "0e99999999999999999999999999"},
    {"exponent with many leading zeros", with_zeros("1e", 300, "38")},
    {"largest float written out", "340282346638528859811704183484516925440"},
    {"midpoint above the largest float rounds to infinity", "340282356779733661637539395458142568448"},
    {"just below that midpoint stays finite", "340282356779733661637539395458142568447.9999999999"},
    {"midpoint between 1 and the next float goes to even", "1.000000059604644775390625"},
    {"that midpoint and a digit 300 places on rounds up", with_zeros("1.000000059604644775390625", 300, "1")},
    {"half the smallest float goes to even, zero", kHalfSmallestFloat + "e-46"},
    {"half the smallest float and a digit far on rounds up", with_zeros(kHalfSmallestFloat, 250, "1e-46")},
    {"just below half the smallest float", kHalfSmallestFloat.substr(0, 60) + "e-46"},
    {"a thousand nines", std::string(1000, '9') + "e-1000"},
    {"digits around the smallest normal", "1.17549435082228750796873653722224568e-38"},
};

TEST(ReadDecimalLongTexts, AgreesWithTheCLibrarysCorrectlyRoundedReading) {
  for (const DecimalCase& decimal_case : kLongDecimalCases) {
    SCOPED_TRACE(decimal_case.name);
    const float expected = c_library_float(decimal_case.text);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(read_decimal(decimal_case.text)), std::bit_cast<std::uint32_t>(expected))
        << read_decimal(decimal_case.text) << " instead of " << expected;
  }
}

// Rounding through a double first would decide these ties wrongly: the midpoint of every pair of
// neighbouring floats is exact in double.
TEST(ReadDecimalLongTexts, MidpointsBetweenFloatsRoundOnceAtEveryMagnitude) {
  std::mt19937 random(12);
  std::uniform_int_distribution<std::uint32_t> bits(0, 0x7F7FFFFEu);  // finite, below the largest
  for (int i = 0; i < 2000; ++i) {
    const float low = std::bit_cast<float>(bits(random));
    const double midpoint = (static_cast<double>(low) + std::nextafter(low, INFINITY)) / 2;
    char exact[200];
    std::snprintf(exact, sizeof exact, "%.120e", midpoint);  // every digit of a double's value
    std::string text = exact;
    const size_t exponent = text.find('e');
    std::string above = with_zeros(text.substr(0, exponent), 120, "1");
    above += text.substr(exponent);
    for (const std::string& written : {text, above}) {
      SCOPED_TRACE(written);
      ASSERT_EQ(std::bit_cast<std::uint32_t>(read_decimal(written)),
                std::bit_cast<std::uint32_t>(c_library_float(written)));
    }
  }
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
  EXPECT_EQ(read_whole("-$10"), -16);  // the prefix comes after the sign
  EXPECT_EQ(read_whole("$-10"), 0);
  EXPECT_EQ(read_whole("%102"), 2);  // stops at the first digit the base cannot have
  EXPECT_EQ(read_whole(""), 0);
  EXPECT_EQ(read_whole("abc"), 0);
}

TEST(ReadWhole, KeepsTheLowThirtyTwoBitsOfAWrappingSum) {
  EXPECT_EQ(read_whole("4294967297"), 1);  // 2^32 + 1
  EXPECT_EQ(read_whole("2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(read_whole_64("4294967297"), 4294967297);
  EXPECT_EQ(read_whole_64("18446744073709551617"), 1);  // wraps in 64 bits without fault
}

}  // namespace
}  // namespace ombrix
