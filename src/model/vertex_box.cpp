#include "model/vertex_box.h"

namespace ombrix {

namespace {

// A coordinate moves the maximum only when it did not move the minimum, as the box has always
// been computed; with a first vertex that starts both, the result is the same either way.
void widen(float value, float& low, float& high) {
  if (value < low) {
    low = value;
  } else if (value > high) {
    high = value;
  }
}

}  // namespace

bool bbox_of_vertices(BBox& box, std::span<const MeshVertex> vertices) {
  if (vertices.empty()) return false;
  const Vector& first = vertices.front().position;
  box = {first.x, first.x, first.y, first.y, first.z, first.z};
  for (const MeshVertex& vertex : vertices) {
    widen(vertex.position.x, box.min_x, box.max_x);
    widen(vertex.position.y, box.min_y, box.max_y);
    widen(vertex.position.z, box.min_z, box.max_z);
  }
  return true;
}

}  // namespace ombrix
