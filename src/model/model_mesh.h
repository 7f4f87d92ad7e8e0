// A model file's polygons with its vertices: what a picture of the model draws.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/mesh_vertex.h"

namespace ombrix {

// One 60-byte polygon record, fields in file order.
struct MeshPolygon {
  std::int16_t type = 0;                       // bit 0 set: a quad; clear: a triangle of corners 0 to 2
  std::int16_t texture = 0;                    // texture page
  std::array<std::int16_t, 4> corners{};       // indices into the vertex list
  std::array<std::uint32_t, 4> colours{};      // one per corner
  std::array<float, 8> texture_coordinates{};  // u, v of corner 0, then of corners 1, 2 and 3
};

// How many corners `polygon` uses: 4 for a quad, 3 otherwise.
std::size_t corner_count(const MeshPolygon& polygon);

struct ModelMesh {
  VertexList vertices;
  std::vector<MeshPolygon> polygons;  // in file order, without those counted below
  std::size_t polygons_out_of_range = 0;  // left out: a corner they use is not in `vertices`
};

// Reads the polygons and vertices of the model file at `path` into `mesh`, replacing what it
// held. Logs nothing: the hull's reading of the same file is read_model_file's.
//
// Returns false, leaving `mesh` as it was, with `refusal` set to the sentence read_model_file
// would log for the same file: "Can't read file: <path>", "File '<path>' has no vertices or
// polies.", "File '<path>' is truncated." or a vertex's refusal (vertex_refusal).
bool read_model_mesh(const std::string& path, ModelMesh& mesh, std::string& refusal);

}  // namespace ombrix
