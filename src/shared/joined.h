// Messages built from parts: joined({"line ", std::to_string(n), ": ", problem}).
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace ombrix {

inline std::string joined(std::initializer_list<std::string_view> parts) {
  size_t size = 0;
  for (const std::string_view part : parts) size += part.size();
  std::string text;
  text.reserve(size);
  for (const std::string_view part : parts) text.append(part);
  return text;
}

}  // namespace ombrix
