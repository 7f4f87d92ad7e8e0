// The files a car names, found as the game finds them, and never outside the game folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

struct GamePath {
  std::filesystem::path path;  // the file found, under the game folder; empty with a fault
  std::string shown;           // relative to the game folder with `/`, in the real folders' letter case
  std::string fault;           // empty when found; else why not, in words
  bool refused = false;        // the name leads out of the game folder (or through a bad link): nothing opened
};

// Finds `name` (relative to `game`, with `\` or `/`) as the game does: each part matched against
// the real folder entries in any letter case, an exact match first. Refused, without opening
// anything beyond the game folder: an absolute name ("/x", "\x", "C:\x"), a name whose `..` parts
// climb out of the game folder, and a link (of any part) that leads out of it, loops or leads
// nowhere. A part that is not there is "there is no such file".
GamePath find_game_path(const std::filesystem::path& game, std::string_view name);

// As find_game_path for a name already in its parts, such as the real entries of a listed folder,
// whose names may hold a `\` that is not a separator there.
GamePath find_game_parts(const std::filesystem::path& game, const std::vector<std::string>& parts);

// Whether `path` lies inside `folder` once links are followed (both must exist).
bool lies_within(const std::filesystem::path& folder, const std::filesystem::path& path);

// Whether `path`, which need not exist yet, would lie inside (or be) `folder` once the links of
// their existing parts are followed; true when that cannot be told.
bool would_lie_within(const std::filesystem::path& folder, const std::filesystem::path& path);

}  // namespace ombrix
