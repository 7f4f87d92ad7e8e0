// Reader of the game's model files (.prm and .m share one layout): their vertex positions.
#pragma once

#include <optional>
#include <string>

#include "model/mesh_vertex.h"
#include "shared/log.h"

namespace ombrix {

// The largest coordinate size a model may have. Up to it no step of the hull can overflow: the
// cross product of two vertex differences stays below 8e36, far inside single precision, where
// from about 6.5e18 it would not. A vertex beyond it is refused like one that is not a number.
constexpr double kLargestCoordinate = 1e18;

// The stamped line that refuses the model file at `path` for a vertex at `position`, or nothing
// when the position is fine: "File '<path>' has a vertex that is not a finite number." or "File
// '<path>' has a vertex coordinate outside -1e18 to 1e18.". Every reader of model files refuses
// alike.
std::optional<std::string> vertex_refusal(const std::string& path, const Vector& position);

// Reads the vertices of the model file at `path` into `vertices`, replacing what it held, and
// logs "Reading file: <path> (<V> vertices And <P> polies)." stamped. Polygons are stepped over
// and bytes after the vertex section are ignored.
//
// Returns false, leaving `vertices` as it was, after logging one stamped line naming the path:
// the file cannot be opened ("Can't read file: "), a count is zero or negative ("has no vertices
// or polies."), the file is shorter than its counts announce ("is truncated."), or a position
// is not a finite number ("has a vertex that is not a finite number.") or has a coordinate
// beyond kLargestCoordinate either way ("has a vertex coordinate outside -1e18 to 1e18.").
bool read_model_file(const std::string& path, VertexList& vertices, Log& log);

}  // namespace ombrix
