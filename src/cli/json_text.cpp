#include "cli/json_text.h"

#include <cmath>
#include <cstdio>

#include "shared/float_text.h"

namespace ombrix {

namespace {

// The length of the well-formed UTF-8 sequence starting at `at`, or 0.
size_t utf8_length(std::string_view text, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  size_t length = 0;
  if (lead >= 0xc2 && lead <= 0xdf)
    length = 2;
  else if (lead >= 0xe0 && lead <= 0xef)
    length = 3;
  else if (lead >= 0xf0 && lead <= 0xf4)
    length = 4;
  if (length == 0 || at + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xc0) != 0x80) return 0;
  }
  const unsigned char second = byte(at + 1);
  if ((lead == 0xe0 && second < 0xa0) || (lead == 0xed && second > 0x9f) || (lead == 0xf0 && second < 0x90) ||
      (lead == 0xf4 && second > 0x8f)) {
    return 0;  // overlong forms, surrogates, beyond U+10FFFF
  }
  return length;
}

void append_escape(std::string& json, unsigned code) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\u%04x", code);
  json += escape;
}

}  // namespace

std::string json_string(std::string_view text) {
  std::string json = "\"";
  for (size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '"' || byte == '\\') {
      json += '\\';
      json += static_cast<char>(byte);
    } else if (byte < 0x20 || byte == 0x7f) {
      append_escape(json, byte);
    } else if (byte >= 0x80) {
      const size_t length = utf8_length(text, i);
      if (length == 0) {
        append_escape(json, byte);
      } else {
        json.append(text.substr(i, length));
        i += length;
        continue;
      }
    } else {
      json += static_cast<char>(byte);
    }
    ++i;
  }
  json += '"';
  return json;
}

std::string json_number(float value) {
  const std::string text = shortest_decimal(value);
  if (std::isfinite(value)) return text;
  std::string quoted = "\"";
  quoted += text;
  quoted += '"';
  return quoted;
}

}  // namespace ombrix
