// The one reader of the game's model files (.prm and .m share one layout): their polygons and
// vertices, or the sentence that refuses the file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/mesh_vertex.h"

namespace ombrix {

// The largest coordinate size a model may have. Up to it no step of the hull can overflow: the
// cross product of two vertex differences stays below 8e36, far inside single precision, where
// from about 6.5e18 it would not. A vertex beyond it is refused like one that is not a number.
constexpr double kLargestCoordinate = 1e18;

// What the tool uses of a 60-byte polygon record; its texture page, corner colours and texture
// coordinates are stepped over.
struct MeshPolygon {
  std::int16_t type = 0;                  // bit 0 set: a quad; clear: a triangle of corners 0 to 2
  std::array<std::int16_t, 4> corners{};  // indices into the vertex list
};

// How many corners `polygon` uses: 4 for a quad, 3 otherwise.
std::size_t corner_count(const MeshPolygon& polygon);

struct ModelMesh {
  VertexList vertices;
  std::vector<MeshPolygon> polygons;      // in file order, without those counted below
  std::size_t polygons_out_of_range = 0;  // left out: a corner they use is not in `vertices`
};

struct ModelReading {
  ModelMesh mesh;     // empty unless the file was read
  std::string fault;  // empty when the file was read; else the one sentence that refuses it
};

// Reads `bytes` as the content of the model file at `path`, which the faults name. Bytes after
// the vertex section are ignored; a header cut short reads its missing bytes as 0. Faults:
// "File '<path>' has no vertices or polies." (a count is zero or negative), "File '<path>' is
// truncated." (shorter than its counts announce), "File '<path>' has a vertex that is not a
// finite number." or "File '<path>' has a vertex coordinate outside -1e18 to 1e18." (the first
// such vertex; beyond kLargestCoordinate either way).
ModelReading read_model_bytes(std::string_view bytes, const std::string& path);

// Reads the model file at `path` as read_model_bytes does; "Can't read file: <path>: it is not a
// regular file" for a folder, a pipe or a device (refused without waiting on it), "Can't read
// file: <path>" when it cannot be opened or read. Reads no more than its header's counts can use,
// whatever the file's size.
ModelReading read_model_mesh(const std::string& path);

}  // namespace ombrix
