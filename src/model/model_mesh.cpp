#include "model/model_mesh.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "model/model_file.h"
#include "shared/little_endian.h"

namespace ombrix {

namespace {

constexpr std::size_t kHeaderBytes = 4;
constexpr std::size_t kPolygonBytes = 60;
constexpr std::size_t kVertexBytes = 24;

MeshPolygon polygon_at(const unsigned char* record) {
  MeshPolygon polygon;
  polygon.type = int16_at(record);
  polygon.texture = int16_at(record + 2);
  for (std::size_t i = 0; i < 4; ++i) {
    polygon.corners[i] = int16_at(record + 4 + 2 * i);
    polygon.colours[i] = uint32_at(record + 12 + 4 * i);
  }
  for (std::size_t i = 0; i < 8; ++i) polygon.texture_coordinates[i] = float32_at(record + 28 + 4 * i);
  return polygon;
}

MeshVertex vertex_at(const unsigned char* record) {
  const auto component = [record](std::size_t i) { return float32_at(record + 4 * i); };
  return {{component(0), component(1), component(2)}, {component(3), component(4), component(5)}};
}

bool uses_only_vertices_in(const MeshPolygon& polygon, std::size_t vertex_count) {
  for (std::size_t i = 0; i < corner_count(polygon); ++i) {
    const int corner = polygon.corners[i];
    if (corner < 0 || static_cast<std::size_t>(corner) >= vertex_count) return false;
  }
  return true;
}

}  // namespace

std::size_t corner_count(const MeshPolygon& polygon) { return (polygon.type & 1) != 0 ? 4 : 3; }

bool read_model_mesh(const std::string& path, ModelMesh& mesh, std::string& refusal) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    refusal = "Can't read file: " + path;
    return false;
  }
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};

  // A header cut short reads its missing bytes as 0, as the run's reader does.
  unsigned char header[kHeaderBytes] = {};
  std::copy_n(bytes.begin(), std::min(bytes.size(), kHeaderBytes), header);
  const int polygon_count = int16_at(header);
  const int vertex_count = int16_at(header + 2);
  if (polygon_count <= 0 || vertex_count <= 0) {
    refusal = "File '" + path + "' has no vertices or polies.";
    return false;
  }
  const std::size_t vertex_start = kHeaderBytes + kPolygonBytes * static_cast<std::size_t>(polygon_count);
  if (bytes.size() < vertex_start + kVertexBytes * static_cast<std::size_t>(vertex_count)) {
    refusal = "File '" + path + "' is truncated.";
    return false;
  }

  ModelMesh read;
  read.vertices.reserve(static_cast<std::size_t>(vertex_count));
  for (int i = 0; i < vertex_count; ++i) {
    const MeshVertex vertex = vertex_at(bytes.data() + vertex_start + kVertexBytes * static_cast<std::size_t>(i));
    if (std::optional<std::string> refused = vertex_refusal(path, vertex.position)) {
      refusal = std::move(*refused);
      return false;
    }
    read.vertices.push_back(vertex);
  }
  for (int i = 0; i < polygon_count; ++i) {
    const MeshPolygon polygon = polygon_at(bytes.data() + kHeaderBytes + kPolygonBytes * static_cast<std::size_t>(i));
    if (uses_only_vertices_in(polygon, read.vertices.size())) {
      read.polygons.push_back(polygon);
    } else {
      ++read.polygons_out_of_range;
    }
  }
  mesh = std::move(read);
  return true;
}

}  // namespace ombrix
