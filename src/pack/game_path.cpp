#include "pack/game_path.h"

#include <algorithm>
#include <optional>
#include <system_error>
#include <vector>

#include "shared/text.h"

namespace ombrix {

namespace fs = std::filesystem;

namespace {

GamePath refused(std::string fault) { return {{}, {}, std::move(fault), true}; }

GamePath missing(std::string fault) { return {{}, {}, std::move(fault), false}; }

bool absolute_name(std::string_view name) {
  if (!name.empty() && (name[0] == '/' || name[0] == '\\')) return true;
  return name.size() >= 2 && name[1] == ':';  // a drive letter
}

// The parts of `name` with `.` dropped and `..` taken back; nothing when `..` climbs out.
std::optional<std::vector<std::string>> parts_of(std::string_view name) {
  std::vector<std::string> parts;
  size_t at = 0;
  while (at <= name.size()) {
    const size_t end = std::min(name.find_first_of("/\\", at), name.size());
    const std::string_view part = name.substr(at, end - at);
    at = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (parts.empty()) return std::nullopt;
      parts.pop_back();
    } else {
      parts.emplace_back(part);
    }
  }
  return parts;
}

// The entry of `folder` named `part` in any letter case, the exact name first; empty when none.
std::string entry_named(const fs::path& folder, const std::string& part) {
  std::error_code error;
  if (fs::exists(fs::symlink_status(folder / part, error))) return part;
  std::string found;
  for (fs::directory_iterator entries(folder, error), end; !error && entries != end; entries.increment(error)) {
    const std::string entry = entries->path().filename().string();
    if (equal_ignoring_case(entry, part) && (found.empty() || entry < found)) found = entry;
  }
  return found;
}

bool starts_with(const fs::path& path, const fs::path& folder) {
  const auto [end, unused] = std::mismatch(folder.begin(), folder.end(), path.begin(), path.end());
  return end == folder.end();
}

}  // namespace

bool lies_within(const fs::path& folder, const fs::path& path) {
  std::error_code error;
  const fs::path real_folder = fs::canonical(folder, error);
  if (error) return false;
  const fs::path real_path = fs::canonical(path, error);
  return !error && starts_with(real_path, real_folder);
}

bool would_lie_within(const fs::path& folder, const fs::path& path) {
  std::error_code error;
  const fs::path real_folder = fs::weakly_canonical(folder, error);
  if (error) return true;
  const fs::path real_path = fs::weakly_canonical(path, error);
  return error || starts_with(real_path, real_folder);
}

GamePath find_game_path(const fs::path& game, std::string_view name) {
  if (name.empty()) return missing("the name is empty");
  if (absolute_name(name)) return refused("an absolute path, outside the game folder: it is not opened");
  const std::optional<std::vector<std::string>> parts = parts_of(name);
  if (!parts) return refused("a path that leads out of the game folder: it is not opened");
  if (parts->empty()) return missing("the name is empty");
  return find_game_parts(game, *parts);
}

GamePath find_game_parts(const fs::path& game, const std::vector<std::string>& parts) {
  GamePath found;
  found.path = game;
  for (const std::string& part : parts) {
    const std::string entry = entry_named(found.path, part);
    if (entry.empty()) return missing("there is no such file");
    found.path /= entry;
    found.shown += (found.shown.empty() ? "" : "/") + entry;
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(found.path, error)) && !lies_within(game, found.path)) {
      std::error_code loop;
      (void)fs::canonical(found.path, loop);
      return refused(loop ? "a link that loops or leads nowhere: it is not opened"
                          : "a link that leads out of the game folder: it is not opened");
    }
  }
  return found;
}

}  // namespace ombrix
