#include "shared/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace ombrix {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool is_leading_blank(char c, LeadingBlanks blanks) {
  switch (blanks) {
    case LeadingBlanks::kSpaces:
      return c == ' ';
    case LeadingBlanks::kSpacesAndTabs:
      return c == ' ' || c == '\t';
    case LeadingBlanks::kAnyWhiteSpace:
      return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
  }
  return false;
}

int digit_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// The significant digits of a decimal number, without leading or trailing zeros, and the power
// of ten of the first one. No digits means the value is zero.
struct DecimalDigits {
  std::string digits;
  std::int64_t leading_power = 0;
};

// No text is this long, so an exponent capped here still puts the value beyond float's range.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

// Every float and every midpoint between two floats has at most 113 significant digits. Digits
// past 200 only tell whether the value lies above the 200-digit prefix, so one nonzero digit
// stands for them all without changing the rounding.
constexpr size_t kKeptDigits = 200;

// 10^39 is above the largest float; below 10^-46 is less than half the smallest one.
constexpr std::int64_t kAboveFloatRange = 38;
constexpr std::int64_t kBelowFloatRange = -46;

// The magnitude of `number`, rounded once to float. The value, not how it is written, decides
// what is out of range: a thousand-digit mantissa with a negative exponent can still overflow.
float read_magnitude(DecimalDigits number) {
  if (number.digits.empty()) return 0.0f;
  if (number.leading_power > kAboveFloatRange) return std::numeric_limits<float>::infinity();
  if (number.leading_power < kBelowFloatRange) return 0.0f;
  if (number.digits.size() > kKeptDigits) {
    number.digits.resize(kKeptDigits);
    number.digits += '1';
  }
  // One digit before the point, the exponent in range: a text from_chars reads exactly.
  std::string text =
      number.digits.substr(0, 1) + "." + number.digits.substr(1) + "e" + std::to_string(number.leading_power);
  float value = 0.0f;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    return number.leading_power > 0 ? std::numeric_limits<float>::infinity() : 0.0f;
  }
  return value;
}

}  // namespace

std::string format_fixed(double value, int decimals) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "+Infinity" : "-Infinity";
  if (value == 0.0) value = 0.0;  // drops the sign of a true negative zero
  std::array<char, 400> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
  return std::string(buffer.data(), result.ptr);
}

std::string format_whole(std::int64_t value) {
  std::array<char, 24> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

float read_decimal(std::string_view text, LeadingBlanks blanks) {
  size_t i = 0;
  while (i < text.size() && is_leading_blank(text[i], blanks)) ++i;

  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }

  DecimalDigits number;
  bool any_digit = false;
  // Before the point every significant digit raises the power of the first by one; after it
  // every zero before the first significant digit lowers it by one.
  std::int64_t integer_digits = 0;
  std::int64_t fraction_zeros = 0;
  for (; i < text.size() && is_digit(text[i]); ++i) {
    any_digit = true;
    if (number.digits.empty() && text[i] == '0') continue;
    number.digits += text[i];
    ++integer_digits;
  }
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && is_digit(text[i]); ++i) {
      any_digit = true;
      if (number.digits.empty() && text[i] == '0') {
        ++fraction_zeros;
        continue;
      }
      number.digits += text[i];
    }
  }
  if (!any_digit) return 0.0f;
  number.leading_power = integer_digits > 0 ? integer_digits - 1 : -fraction_zeros - 1;
  number.digits.erase(number.digits.find_last_not_of('0') + 1);

  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    bool negative_exponent = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) negative_exponent = text[j++] == '-';
    std::int64_t exponent = 0;
    for (; j < text.size() && is_digit(text[j]); ++j) {
      exponent = std::min(exponent * 10 + (text[j] - '0'), kExponentCap);
    }
    number.leading_power += negative_exponent ? -exponent : exponent;
  }

  const float magnitude = read_magnitude(std::move(number));
  return negative ? -magnitude : magnitude;
}

std::int64_t read_whole_64(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;

  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }

  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i < text.size() && text[i] == '%') {
    base = 2;
    ++i;
  }

  std::uint64_t value = 0;  // unsigned: wrap-around is defined
  while (i < text.size() && digit_value(text[i]) < base) {
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit_value(text[i]));
    ++i;
  }
  if (negative) value = 0 - value;
  return static_cast<std::int64_t>(value);
}

std::int32_t read_whole(std::string_view text) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(read_whole_64(text)));
}

}  // namespace ombrix
