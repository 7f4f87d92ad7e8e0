#include "shared/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

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

// The magnitude of an unsigned decimal number text in the form from_chars reads, rounded to float.
float read_magnitude(std::string_view number) {
  float value = 0.0f;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                            std::chars_format::general);
  (void)end;
  if (error != std::errc::result_out_of_range) return value;
  // Out of float's range: it is an overflow when the value is above 1, an underflow otherwise.
  double wide = 0.0;
  const auto wide_result = std::from_chars(number.data(), number.data() + number.size(), wide,
                                           std::chars_format::general);
  const bool huge = wide_result.ec == std::errc::result_out_of_range
                        ? number.find("e-") == std::string_view::npos
                        : wide > 1.0;
  return huge ? std::numeric_limits<float>::infinity() : 0.0f;
}

}  // namespace

std::string format_fixed(double value, int decimals) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "+Infinity" : "-Infinity";
  if (value == 0.0) value = 0.0;  // drops the sign of a true negative zero
  std::array<char, 400> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, decimals);
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

  // Gather the number in the plain form that from_chars reads: digits, ".", exponent.
  std::string number;
  size_t digits = 0;
  while (i < text.size() && is_digit(text[i])) {
    number += text[i++];
    ++digits;
  }
  if (i < text.size() && text[i] == '.') {
    number += text[i++];
    while (i < text.size() && is_digit(text[i])) {
      number += text[i++];
      ++digits;
    }
  }
  if (digits == 0) return 0.0f;

  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
    if (j < text.size() && is_digit(text[j])) {
      while (j < text.size() && is_digit(text[j])) exponent += text[j++];
      number += exponent;
    }
  }

  const float magnitude = read_magnitude(number);
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
