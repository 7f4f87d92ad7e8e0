// The run's reader of model files: the one model reader's vertices, and the line it logs.
#pragma once

#include <string>

#include "model/mesh_vertex.h"
#include "model/model_mesh.h"
#include "shared/log.h"

namespace ombrix {

// Reads the vertices of the model file at `path` (read_model_mesh) into `vertices`, replacing
// what it held, and logs "Reading file: <path> (<V> vertices And <P> polies)." stamped, P being
// the header's polygon count.
//
// Returns false, leaving `vertices` as it was, after logging the reader's fault (stamped): the
// file cannot be opened ("Can't read file: "), a count is zero or negative ("has no vertices
// or polies."), the file is shorter than its counts announce ("is truncated."), or a position
// is not a finite number ("has a vertex that is not a finite number.") or has a coordinate
// beyond kLargestCoordinate either way ("has a vertex coordinate outside -1e18 to 1e18.").
bool read_model_file(const std::string& path, VertexList& vertices, Log& log);

}  // namespace ombrix
