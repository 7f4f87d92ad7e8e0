// Number texts of fields, log lines, the table and the external program: exact and locale-free.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ombrix {

// `value` in fixed-point notation with exactly `decimals` digits after ".", correctly rounded
// (exact ties to even). Infinities are "+Infinity" and "-Infinity", not-a-number is "NaN".
// A true negative zero is written without its sign; a negative value that rounds to zero
// keeps it ("-0.0").
std::string format_fixed(double value, int decimals);

// A whole number in plain decimal, "-" before a negative one.
std::string format_whole(std::int64_t value);

// Which characters a number text may start with before its number.
enum class LeadingBlanks {
  kSpaces,         // code 32 only: the decimal fields of the window
  kSpacesAndTabs,  // the whole-number field
  kAnyWhiteSpace,  // the external hull program's numbers
};

// Reads a decimal number at the start of `text`: optional "+" or "-", digits with an optional
// ".", then an exponent only when "e" or "E", an optional sign and at least one digit follow.
// The number stops at the first character that cannot continue it; no digits gives +0, "-0"
// gives -0. "inf", "nan" and hexadecimal floats are not numbers. The decimal value, however
// many digits and whatever exponent it is written with, is rounded once, correctly, to single
// precision: a value beyond the largest float gives an infinity, one below half the smallest a
// signed zero.
float read_decimal(std::string_view text, LeadingBlanks blanks = LeadingBlanks::kSpaces);

// Reads a whole number at the start of `text`: leading spaces and TABs, an optional sign, then
// "$" and hexadecimal digits, "%" and binary digits, or decimal digits. Accumulates with
// wrap-around in 64 bits; no digits gives 0. "-$10" is -16, "$-10" is 0.
std::int64_t read_whole_64(std::string_view text);

// read_whole_64 cut to its low 32 bits, as a signed value.
std::int32_t read_whole(std::string_view text);

}  // namespace ombrix
