// Reader of the game's model files (.prm and .m share one layout): their vertex positions.
#pragma once

#include <string>

#include "model/mesh_vertex.h"
#include "shared/log.h"

namespace ombrix {

// Reads the vertices of the model file at `path` into `vertices`, replacing what it held, and
// logs "Reading file: <path> (<V> vertices And <P> polies)." stamped. Polygons are stepped over
// and bytes after the vertex section are ignored.
//
// Returns false, leaving `vertices` as it was, after logging one stamped line naming the path:
// the file cannot be opened ("Can't read file: "), a count is zero or negative ("has no vertices
// or polies."), the file is shorter than its counts announce ("is truncated."), or a position
// is not a finite number ("has a vertex that is not a finite number.").
bool read_model_file(const std::string& path, VertexList& vertices, Log& log);

}  // namespace ombrix
