// The content of a file a user names, read with the checks untrusted paths need: only a regular
// file, never more than the reader can use, and to its end whatever size it claims.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "shared/platform_file.h"

namespace ombrix {

// The most bytes read_file_bytes reads unless told otherwise: far beyond any file the tool reads.
inline constexpr std::size_t kMostFileBytes = std::size_t{256} << 20;

// A regular file open for reading (a link to one counts). A pipe, a device or a folder is refused
// without waiting on it; `fault` then says why: "there is no such file", "it is not a regular
// file" or "the file cannot be opened".
class InputFile {
 public:
  explicit InputFile(const std::string& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool is_open() const { return handle_ != platform::kNoHandle; }
  const std::string& fault() const { return fault_; }

  // Appends to `bytes` the next `count` bytes, fewer only where the file ends, reading in pieces
  // so that memory follows what the file holds and not what was asked. False when a read fails.
  bool read(std::size_t count, std::string& bytes);

 private:
  std::string fault_;  // before the handle: opening sets it
  platform::FileHandle handle_ = platform::kNoHandle;
};

// The bytes of the regular file at `path`, read to its end. Nothing when it cannot be read whole,
// with `fault` saying why: InputFile's faults, "the file cannot be read" or "the file is too large
// to read" (more than `most_bytes`).
std::optional<std::string> read_file_bytes(const std::string& path, std::string& fault,
                                           std::size_t most_bytes = kMostFileBytes);

}  // namespace ombrix
