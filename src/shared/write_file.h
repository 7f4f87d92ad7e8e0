// The one writer of every file a user names as output: whole or not at all, never over a file the
// command reads, never in place of a device, a pipe or a link.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ombrix {

enum class WriteOutcome {
  kWritten,
  kIsAnInput,    // the target is one of the command's inputs: nothing written
  kCannotWrite,  // nothing written, or (a pipe or device) written in part; a replaced file is intact
};

struct FileWrite {
  WriteOutcome outcome = WriteOutcome::kWritten;
  std::string input;   // kIsAnInput: the input, as the caller named it, that the target is
  std::string reason;  // kCannotWrite: why, when there is more to say than "can't write"
};

// The one of `inputs` that the file at `path` is, by identity and not by name (a link or a second
// name counts), as `inputs` names it; nothing when it is none of them.
std::optional<std::string> input_at(const std::string& path, std::span<const std::string> inputs);

// Writes `bytes` as the whole content of the file at `path`.
//
// Refuses when the target is, by identity and not by name (a link or a second name counts), one
// of the files `inputs` name. A link is followed and its target written, as editors do. A regular
// file, or a new one, is written to a uniquely named temporary file created in the target's folder
// and renamed over the target, which keeps the permission bits it had; a failure removes the
// temporary file and leaves the target as it was. A pipe or a character device is written through,
// in place; a folder or any other kind of file is refused. Logs nothing.
FileWrite write_whole_file(const std::string& path, std::string_view bytes, std::span<const std::string> inputs = {});

}  // namespace ombrix
