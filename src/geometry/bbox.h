// The axis-aligned box around a model's vertices.
#pragma once

#include <span>

#include "model/mesh_vertex.h"

namespace ombrix {

// Six floats in the order the hull file stores them.
struct BBox {
  float min_x = 0.0f;
  float max_x = 0.0f;
  float min_y = 0.0f;
  float max_y = 0.0f;
  float min_z = 0.0f;
  float max_z = 0.0f;
};

// Sets `box` around the positions of `vertices`. Returns false, leaving `box` untouched, when
// there are no vertices.
bool bbox_of_vertices(BBox& box, std::span<const MeshVertex> vertices);

}  // namespace ombrix
