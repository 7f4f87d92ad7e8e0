#include "settings/settings_value.h"

#include <optional>

namespace ombrix {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// The text inside `value` when it is entirely a quoted form: quotes at both ends, and inside
// them no bare quote and no backslash but those of the four escapes.
std::optional<std::string> unquoted(std::string_view value) {
  if (value.size() < 2 || value.front() != '"' || value.back() != '"') return std::nullopt;
  const std::string_view inside = value.substr(1, value.size() - 2);
  std::string text;
  for (size_t i = 0; i < inside.size(); ++i) {
    if (inside[i] == '"') return std::nullopt;
    if (inside[i] != '\\') {
      text += inside[i];
      continue;
    }
    if (++i == inside.size()) return std::nullopt;
    switch (inside[i]) {
      case '\\':
        text += '\\';
        break;
      case '"':
        text += '"';
        break;
      case 'r':
        text += '\r';
        break;
      case 'n':
        text += '\n';
        break;
      default:
        return std::nullopt;
    }
  }
  return text;
}

bool needs_quotes(std::string_view text);

// Quoted forms of texts that need no quotes are never written, so such a value, as old files
// may hold one, stays the text it always was.
std::optional<std::string> decoded(std::string_view value) {
  std::optional<std::string> text = unquoted(value);
  if (text && !needs_quotes(*text)) return std::nullopt;
  return text;
}

// Whether a plain line would give back something else: the line would break, the reader would
// drop blanks at the ends, or it would decode the text as a quoted form.
bool needs_quotes(std::string_view text) {
  if (text.find_first_of("\r\n") != std::string_view::npos) return true;
  if (!text.empty() && (is_blank(text.front()) || is_blank(text.back()))) return true;
  return decoded(text).has_value();
}

}  // namespace

std::string stored_value(std::string_view text) {
  if (!needs_quotes(text)) return std::string(text);
  std::string value = "\"";
  for (char c : text) {
    switch (c) {
      case '\\':
        value += "\\\\";
        break;
      case '"':
        value += "\\\"";
        break;
      case '\r':
        value += "\\r";
        break;
      case '\n':
        value += "\\n";
        break;
      default:
        value += c;
    }
  }
  return value + "\"";
}

std::string field_text_of_value(std::string_view value) { return decoded(value).value_or(std::string(value)); }

}  // namespace ombrix
