#include "model/model_mesh.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "shared/file_bytes.h"
#include "shared/little_endian.h"

namespace ombrix {

namespace {

constexpr std::size_t kHeaderBytes = 4;
constexpr std::size_t kPolygonBytes = 60;
constexpr std::size_t kVertexBytes = 24;

const unsigned char* byte_at(std::string_view bytes, std::size_t offset) {
  return reinterpret_cast<const unsigned char*>(bytes.data()) + offset;
}

MeshPolygon polygon_at(const unsigned char* record) {
  MeshPolygon polygon;
  polygon.type = int16_at(record);
  for (std::size_t i = 0; i < 4; ++i) polygon.corners[i] = int16_at(record + 4 + 2 * i);
  return polygon;
}

MeshVertex vertex_at(const unsigned char* record) {
  const auto component = [record](std::size_t i) { return float32_at(record + 4 * i); };
  return {{component(0), component(1), component(2)}, {component(3), component(4), component(5)}};
}

std::optional<std::string> vertex_fault(const std::string& path, const Vector& position) {
  const auto finite = [](float value) { return std::isfinite(value); };
  if (!finite(position.x) || !finite(position.y) || !finite(position.z)) {
    return "File '" + path + "' has a vertex that is not a finite number.";
  }
  const auto within = [](float value) { return std::fabs(value) <= kLargestCoordinate; };
  if (!within(position.x) || !within(position.y) || !within(position.z)) {
    return "File '" + path + "' has a vertex coordinate outside -1e18 to 1e18.";
  }
  return std::nullopt;
}

bool uses_only_vertices_in(const MeshPolygon& polygon, std::size_t vertex_count) {
  for (std::size_t i = 0; i < corner_count(polygon); ++i) {
    const int corner = polygon.corners[i];
    if (corner < 0 || static_cast<std::size_t>(corner) >= vertex_count) return false;
  }
  return true;
}

ModelReading refused(std::string fault) {
  ModelReading reading;
  reading.fault = std::move(fault);
  return reading;
}

}  // namespace

std::size_t corner_count(const MeshPolygon& polygon) { return (polygon.type & 1) != 0 ? 4 : 3; }

ModelReading read_model_bytes(std::string_view bytes, const std::string& path) {
  std::string header(bytes.substr(0, kHeaderBytes));
  header.resize(kHeaderBytes, '\0');  // a header cut short reads its missing bytes as 0
  const int polygon_count = int16_at(byte_at(header, 0));
  const int vertex_count = int16_at(byte_at(header, 2));
  if (polygon_count <= 0 || vertex_count <= 0) return refused("File '" + path + "' has no vertices or polies.");
  const std::size_t vertex_start = kHeaderBytes + kPolygonBytes * static_cast<std::size_t>(polygon_count);
  if (bytes.size() < vertex_start + kVertexBytes * static_cast<std::size_t>(vertex_count)) {
    return refused("File '" + path + "' is truncated.");
  }

  ModelReading reading;
  ModelMesh& mesh = reading.mesh;
  mesh.vertices.reserve(static_cast<std::size_t>(vertex_count));
  for (std::size_t i = 0; i < static_cast<std::size_t>(vertex_count); ++i) {
    const MeshVertex vertex = vertex_at(byte_at(bytes, vertex_start + kVertexBytes * i));
    if (std::optional<std::string> fault = vertex_fault(path, vertex.position)) return refused(std::move(*fault));
    mesh.vertices.push_back(vertex);
  }
  for (std::size_t i = 0; i < static_cast<std::size_t>(polygon_count); ++i) {
    const MeshPolygon polygon = polygon_at(byte_at(bytes, kHeaderBytes + kPolygonBytes * i));
    if (uses_only_vertices_in(polygon, mesh.vertices.size())) {
      mesh.polygons.push_back(polygon);
    } else {
      ++mesh.polygons_out_of_range;
    }
  }
  return reading;
}

ModelReading read_model_mesh(const std::string& path) {
  InputFile file(path);
  if (!file.is_open()) {
    if (file.fault() == platform::kNotARegularFile) return refused("Can't read file: " + path + ": " + file.fault());
    return refused("Can't read file: " + path);
  }
  // The header's counts say how much can be used; nothing past that is read.
  std::string bytes;
  bool read = file.read(kHeaderBytes, bytes);
  if (read && bytes.size() == kHeaderBytes) {
    const std::size_t polygon_count = static_cast<std::size_t>(std::max(0, int{int16_at(byte_at(bytes, 0))}));
    const std::size_t vertex_count = static_cast<std::size_t>(std::max(0, int{int16_at(byte_at(bytes, 2))}));
    read = file.read(kPolygonBytes * polygon_count + kVertexBytes * vertex_count, bytes);
  }
  if (!read) return refused("Can't read file: " + path);
  return read_model_bytes(bytes, path);
}

}  // namespace ombrix
