// Small text rules shared by the readers of typed and stored texts.
#pragma once

#include <string_view>

namespace ombrix {

// `text` without the spaces (code 32 only, not TABs) at either end.
std::string_view trim_spaces(std::string_view text);

// `text` without the spaces and TABs at either end.
std::string_view trim_blanks(std::string_view text);

// True when `a` and `b` are equal with ASCII letters compared regardless of case; other bytes
// (UTF-8 included) must match exactly.
bool equal_ignoring_case(std::string_view a, std::string_view b);

// True when `text` begins with `prefix`, compared as equal_ignoring_case does.
bool starts_with_ignoring_case(std::string_view text, std::string_view prefix);

}  // namespace ombrix
