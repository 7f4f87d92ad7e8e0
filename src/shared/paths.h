// Paths joined as text: the separator of the platform, and a directory made ready for a name.
#pragma once

#include <string>
#include <string_view>

namespace ombrix {

#if defined(_WIN32)
inline constexpr char kNativeSeparator = '\\';
#else
inline constexpr char kNativeSeparator = '/';
#endif

// `path` with `separator` appended when it is not empty and does not already end with one.
std::string with_trailing_separator(std::string_view path, char separator = kNativeSeparator);

}  // namespace ombrix
