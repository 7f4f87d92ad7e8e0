// Where a command writes its sphere table: a file, or standard output for "-".
#pragma once

#include <span>
#include <string>

namespace ombrix {

// Writes `table` to the file at `path` through write_command_file, never over one of `inputs`, or
// to standard output when `path` is "-". A file that cannot be written is said on the standard
// error stream. Returns whether it was written.
bool write_table(const std::string& path, const std::string& table, std::span<const std::string> inputs);

}  // namespace ombrix
