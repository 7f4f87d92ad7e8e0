#include "shared/write_file.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "shared/platform_file.h"

namespace ombrix {

namespace {

namespace fs = std::filesystem;

// The system's own limit on links followed in one path.
constexpr int kMostLinksFollowed = 40;

FileWrite cannot_write(std::string reason = {}) { return {WriteOutcome::kCannotWrite, {}, std::move(reason)}; }

// The file a chain of links ends at, which may not exist yet; nothing for a loop of links.
std::optional<fs::path> final_target(const fs::path& path) {
  fs::path target = path;
  std::error_code error;
  for (int followed = 0; followed <= kMostLinksFollowed; ++followed) {
    if (!fs::is_symlink(fs::symlink_status(target, error))) return target;
    const fs::path next = fs::read_symlink(target, error);
    if (error) return std::nullopt;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return std::nullopt;
}

FileWrite write_through(const fs::path& target, std::string_view bytes) {
  std::string reason;
  const platform::FileHandle handle = platform::open_stream_for_writing(target.string(), reason);
  if (handle == platform::kNoHandle) return cannot_write(reason);
  const bool written = platform::write_all(handle, bytes, reason);
  if (!platform::close_file(handle) && written) return cannot_write("the device refused the bytes");
  return written ? FileWrite{} : cannot_write(reason);
}

FileWrite replace_file(const fs::path& target, bool exists, std::string_view bytes) {
  std::string temporary;
  std::string reason;
  const platform::FileHandle handle = platform::create_unique_file(target.parent_path().string(), temporary, reason);
  if (handle == platform::kNoHandle) return cannot_write(reason);
  bool written =
      (!exists || platform::copy_permissions(handle, target.string())) && platform::write_all(handle, bytes, reason);
  written = platform::close_file(handle, true) && written;
  std::error_code error;
  if (written) fs::rename(temporary, target, error);
  if (!written || error) {
    fs::remove(temporary, error);
    return cannot_write(reason);
  }
  return {};
}

}  // namespace

std::optional<std::string> input_at(const std::string& path, std::span<const std::string> inputs) {
  std::error_code error;
  for (const std::string& input : inputs) {
    if (fs::equivalent(fs::path(input), fs::path(path), error)) return input;
  }
  return std::nullopt;
}

FileWrite write_whole_file(const std::string& path, std::string_view bytes, std::span<const std::string> inputs) {
  if (path.empty()) return cannot_write("no file name was given");
  if (std::optional<std::string> input = input_at(path, inputs)) return {WriteOutcome::kIsAnInput, *input, {}};
  std::error_code error;
  // The system follows the links to see what the path is: some, such as /dev/stdout, name a pipe
  // whose name cannot be followed by reading the links.
  const fs::file_status status = fs::status(fs::path(path), error);
  switch (status.type()) {
    case fs::file_type::fifo:
    case fs::file_type::character:
      return write_through(fs::path(path), bytes);
    case fs::file_type::not_found:
    case fs::file_type::regular:
      break;
    case fs::file_type::directory:
      return cannot_write("it is a folder");
    default:
      return cannot_write(error ? error.message() : "it is neither a regular file, a pipe nor a character device");
  }
  const std::optional<fs::path> target = final_target(fs::path(path));
  if (!target) return cannot_write("its links go round in a loop");
  return replace_file(*target, status.type() == fs::file_type::regular, bytes);
}

}  // namespace ombrix
