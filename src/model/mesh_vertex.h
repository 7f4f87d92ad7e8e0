// One vertex of a model file as stored: position and normal.
#pragma once

#include <vector>

#include "geometry/vector.h"

namespace ombrix {

// Six floats in file order (x, y, z, nx, ny, nz); only the position is used by the tool.
struct MeshVertex {
  Vector position;
  Vector normal;
};

// The vertices of the model file read last in a run.
using VertexList = std::vector<MeshVertex>;

}  // namespace ombrix
