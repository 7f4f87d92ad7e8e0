// The box around a model's vertices.
#pragma once

#include <span>

#include "geometry/bbox.h"
#include "model/mesh_vertex.h"

namespace ombrix {

// Sets `box` around the positions of `vertices`. Returns false, leaving `box` untouched, when
// there are no vertices.
bool bbox_of_vertices(BBox& box, std::span<const MeshVertex> vertices);

}  // namespace ombrix
