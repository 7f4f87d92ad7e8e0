// Pieces of JSON text: strings and single-precision numbers.
#pragma once

#include <string>
#include <string_view>

namespace ombrix {

// `text` as a JSON string, quotes included. Bytes that are not UTF-8 are read as Latin-1, so any
// path gives valid JSON.
std::string json_string(std::string_view text);

// The shortest decimal of `value`; "nan", "inf" and "-inf" as strings, since JSON has no such numbers.
std::string json_number(float value);

}  // namespace ombrix
