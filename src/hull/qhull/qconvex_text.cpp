#include "hull/qhull/qconvex_text.h"

#include <array>
#include <charconv>

namespace ombrix {

namespace {

bool is_white_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// from_chars rounds as strtod does and knows no locale, but takes no "+".
double read_c_double(std::string_view token) {
  if (token.starts_with('+')) token.remove_prefix(1);
  double value = 0.0;
  std::from_chars(token.data(), token.data() + token.size(), value, std::chars_format::general);
  return value;
}

}  // namespace

std::vector<double> read_input_coordinates(std::string_view input) {
  std::vector<double> coordinates;
  int header_numbers = 2;  // the dimension and the point count
  size_t i = 0;
  while (i < input.size()) {
    while (i < input.size() && is_white_space(input[i])) ++i;
    const size_t start = i;
    while (i < input.size() && !is_white_space(input[i])) ++i;
    if (start == i) break;
    if (header_numbers > 0) {
      --header_numbers;
    } else {
      coordinates.push_back(read_c_double(input.substr(start, i - start)));
    }
  }
  return coordinates;
}

std::string output_number_text(double value) {
  constexpr size_t kWidth = 6;
  std::array<char, 32> digits{};
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::general, 16);
  const std::string_view number(digits.data(), static_cast<size_t>(end.ptr - digits.data()));
  std::string text;
  if (number.size() < kWidth) text.assign(kWidth - number.size(), ' ');
  text += number;
  text += ' ';
  return text;
}

}  // namespace ombrix
