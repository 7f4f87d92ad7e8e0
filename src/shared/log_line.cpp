#include "shared/log_line.h"

#include <array>
#include <ctime>

#include "shared/text.h"

namespace ombrix {

namespace {

std::string two_digits(int value) {
  const int v = ((value % 100) + 100) % 100;
  return {static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
}

std::string four_digits(int value) { return two_digits(value / 100) + two_digits(value % 100); }

}  // namespace

LocalTime local_time_now() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
#if defined(_WIN32)
  localtime_s(&parts, &now);
#else
  localtime_r(&now, &parts);
#endif
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

std::string expand_date(std::string_view mask, const LocalTime& time) {
  struct Token {
    std::string_view name;
    std::string value;
  };
  // "yyyy" must be tried before "yy".
  const std::array<Token, 7> tokens{{
      {"yyyy", four_digits(time.year)},
      {"yy", two_digits(time.year)},
      {"mm", two_digits(time.month)},
      {"dd", two_digits(time.day)},
      {"hh", two_digits(time.hour)},
      {"ii", two_digits(time.minute)},
      {"ss", two_digits(time.second)},
  }};

  std::string out;
  out.reserve(mask.size() + 8);
  for (size_t i = 0; i < mask.size(); ++i) {
    if (mask[i] == '%') {
      const std::string_view rest = mask.substr(i + 1);
      const Token* match = nullptr;
      for (const Token& token : tokens) {
        if (starts_with_ignoring_case(rest, token.name)) {
          match = &token;
          break;
        }
      }
      if (match != nullptr) {
        out += match->value;
        i += match->name.size();
        continue;
      }
    }
    out += mask[i];
  }
  return out;
}

std::string format_log_line(std::string_view text, Stamp stamp, const LocalTime& time) {
  if (stamp == Stamp::kPlain) return std::string(text);
  std::string mask = "%hh:%ii:%ss.\t";
  mask += text;
  return expand_date(mask, time);
}

}  // namespace ombrix
