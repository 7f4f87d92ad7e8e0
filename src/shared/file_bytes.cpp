#include "shared/file_bytes.h"

#include <algorithm>
#include <array>

namespace ombrix {

InputFile::InputFile(const std::string& path) : handle_(platform::open_regular_file(path, fault_)) {}

InputFile::~InputFile() {
  if (is_open()) platform::close_file(handle_);
}

bool InputFile::read(std::size_t count, std::string& bytes) {
  if (!is_open()) return false;
  std::array<char, 65536> piece;
  while (count > 0) {
    const long long got = platform::read_some(handle_, piece.data(), std::min(piece.size(), count));
    if (got < 0) return false;
    if (got == 0) break;
    bytes.append(piece.data(), static_cast<std::size_t>(got));
    count -= static_cast<std::size_t>(got);
  }
  return true;
}

std::optional<std::string> read_file_bytes(const std::string& path, std::string& fault, std::size_t most_bytes) {
  InputFile file(path);
  if (!file.is_open()) {
    fault = file.fault();
    return std::nullopt;
  }
  // One byte past the limit tells a file at the limit from a larger one.
  std::string bytes;
  if (!file.read(most_bytes + 1, bytes)) {
    fault = "the file cannot be read";
    return std::nullopt;
  }
  if (bytes.size() > most_bytes) {
    fault = "the file is too large to read";
    return std::nullopt;
  }
  return bytes;
}

}  // namespace ombrix
