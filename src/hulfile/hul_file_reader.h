// Reader of hull files (.hul) as any tool writes them: every hull with its counts, box, offset,
// points, edges and planes, then the spheres, into the record the writer writes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "record/collision_data.h"

namespace ombrix {

struct HulReading {
  CollisionData data;           // the hulls and spheres read whole, and any bytes after the last sphere
  std::string fault;            // empty when the file was read to its end; else where it went wrong
  std::uint64_t file_size = 0;  // the bytes the file holds
};

// Reads `bytes` as a hull file. Any byte string gives a reading: when the bytes end before what
// the counts announce, or a count is negative, reading stops there and `fault` says where in
// words a user can act on ("hull 2 of 3 is cut off after its 17th plane (40 announced)"), with
// `data` holding the hulls read whole before it (not the one cut off) and the spheres read
// whole. Bytes after the last sphere are kept in `data.trailing`, so hul_file_bytes gives back
// `bytes` for every reading without a fault. Memory never exceeds a small multiple of the input:
// a count is trusted only as far as the bytes go. Edge indices and values are not checked.
HulReading read_hul_bytes(std::string_view bytes);

// Reads the file at `path` as read_hul_bytes does. A path that is not a regular file, or a file
// that cannot be opened or read whole, gives a reading with no data and `fault` saying so.
HulReading read_hul_file(const std::string& path);

}  // namespace ombrix
