// How a field text is stored as the value of a settings line, so that it reads back unchanged.
#pragma once

#include <string>
#include <string_view>

namespace ombrix {

// The value to write after "key = " for the field text `text`.
//
// A text that a plain line would give back unchanged is written as it is: every text but those
// with a line break (CR or LF), a blank or TAB at either end, or the quoted form below. Those
// are written between double quotes, with "\" before each "\" and '"' and CR and LF as "\r" and
// "\n"; TABs and every other byte stand as they are.
std::string stored_value(std::string_view text);

// The field text of `value`, a value as read from its line with the blanks and TABs around it
// removed: the inverse of stored_value. A value in quotes is decoded only when it is a quoted
// form that stored_value would write; any other value, quotes and backslashes included, is the
// text itself, as it always was.
std::string field_text_of_value(std::string_view value);

}  // namespace ombrix
