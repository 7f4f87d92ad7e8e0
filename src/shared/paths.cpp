#include "shared/paths.h"

namespace ombrix {

std::string with_trailing_separator(std::string_view path, char separator) {
  std::string result(path);
  if (!result.empty() && result.back() != separator) result += separator;
  return result;
}

}  // namespace ombrix
