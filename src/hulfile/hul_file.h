// Writer of the game's collision hull file (.hul): main volumes' hulls, then the spheres.
#pragma once

#include <optional>
#include <string>

#include "record/collision_data.h"

namespace ombrix {

enum class HulWriteResult {
  kWritten,
  kCannotWrite,  // the file could not be created or written; an earlier file at `path` is intact
  kTooLarge,     // a list is longer than the format's signed 16-bit counts allow; nothing written
};

// Writes `data` to `path` (used unchanged, no extension added): the main volumes with their box,
// offset, points, edges and planes, then the spheres, then the trailing bytes; excluded volumes are
// left out. The file is written as write_whole_file writes (shared/write_file.h), so a failure
// never leaves a damaged file. Logs nothing.
HulWriteResult write_hul_file(const std::string& path, const CollisionData& data);

// The bytes write_hul_file writes for `data`, or nothing when a list is longer than the format's
// signed 16-bit counts allow.
std::optional<std::string> hul_file_bytes(const CollisionData& data);

}  // namespace ombrix
