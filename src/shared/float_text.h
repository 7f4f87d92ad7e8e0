// Single-precision values as the shortest decimal text that reads back to the same value.
#pragma once

#include <string>

namespace ombrix {

// The shortest decimal that std::from_chars reads back to exactly `value` ("0.1", "-0", "1e+20",
// "1.4e-45"); "inf", "-inf" and "nan" for the values that are not finite.
std::string shortest_decimal(float value);

}  // namespace ombrix
