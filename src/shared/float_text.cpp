#include "shared/float_text.h"

#include <charconv>
#include <cmath>

namespace ombrix {

std::string shortest_decimal(float value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  char text[32];
  const std::to_chars_result result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

}  // namespace ombrix
