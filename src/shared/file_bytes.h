// The whole content of a file a user names, read with the checks untrusted paths need.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ombrix {

// The bytes of the regular file at `path` (a link to one counts). Nothing when it cannot be read
// whole, with `fault` saying why: "there is no such file", "it is not a regular file" (a folder,
// a device or a pipe, which could block forever), "the file cannot be opened", "the file cannot be
// read" or "the file is too large to read". With `most_bytes`, no more than that is read.
std::optional<std::string> read_file_bytes(const std::string& path, std::string& fault,
                                           std::uintmax_t most_bytes = UINTMAX_MAX);

}  // namespace ombrix
