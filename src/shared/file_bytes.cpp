#include "shared/file_bytes.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <new>
#include <system_error>

namespace ombrix {

std::optional<std::string> read_file_bytes(const std::string& path, std::string& fault, std::uintmax_t most_bytes) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    fault = std::filesystem::exists(path, error) ? "it is not a regular file" : "there is no such file";
    return std::nullopt;
  }
  std::ifstream file(path, std::ios::binary);
  const std::uintmax_t size = std::min(std::filesystem::file_size(path, error), most_bytes);
  if (!file || error) {
    fault = "the file cannot be opened";
    return std::nullopt;
  }
  std::string bytes;
  try {
    bytes.resize(static_cast<size_t>(size));
  } catch (const std::bad_alloc&) {
    fault = "the file is too large to read";
    return std::nullopt;
  }
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (file.bad()) {
    fault = "the file cannot be read";
    return std::nullopt;
  }
  // A file that shrank while it was read is read as far as it went.
  bytes.resize(static_cast<size_t>(file.gcount()));
  return bytes;
}

}  // namespace ombrix
