// The model reader on any bytes: it refuses the file with one stamped line and leaves the vertex
// list as it was, or it reads exactly the vertices the header announces, as they are stored.
#include <bit>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "model/model_file.h"
#include "shared/little_endian.h"
#include "shared/recording_log.h"

using namespace ombrix;

namespace {

bool same_bits(const Vector& a, const Vector& b) {
  return std::bit_cast<std::uint32_t>(a.x) == std::bit_cast<std::uint32_t>(b.x) &&
         std::bit_cast<std::uint32_t>(a.y) == std::bit_cast<std::uint32_t>(b.y) &&
         std::bit_cast<std::uint32_t>(a.z) == std::bit_cast<std::uint32_t>(b.z);
}

Vector stored_vector(const std::uint8_t* bytes) {
  return {float32_at(bytes), float32_at(bytes + 4), float32_at(bytes + 8)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string path = fuzz::scratch_file({reinterpret_cast<const char*>(data), size});
  const MeshVertex before{{1, 2, 3}, {4, 5, 6}};
  VertexList vertices(1, before);
  RecordingLog log;
  const bool read = read_model_file(path, vertices, log);

  if (log.lines.size() != 1 || log.lines[0].stamp != Stamp::kStamped)
    fuzz::report_finding("not exactly one stamped line");
  if (log.lines[0].text.find(path) == std::string::npos) fuzz::report_finding("the line does not name the file");
  if (!read) {
    if (vertices.size() != 1 || !same_bits(vertices[0].position, before.position)) {
      fuzz::report_finding("a refused file changed the vertex list");
    }
    return 0;
  }

  const std::int16_t polygons = int16_at(data);
  const std::int16_t count = int16_at(data + 2);
  if (polygons <= 0 || count <= 0 || vertices.size() != static_cast<size_t>(count)) {
    fuzz::report_finding("the vertex count is not the header's");
  }
  const size_t first = 4 + 60 * static_cast<size_t>(polygons);
  if (size < first + 24 * vertices.size()) fuzz::report_finding("a file shorter than its header was read");
  for (size_t i = 0; i < vertices.size(); ++i) {
    if (!same_bits(vertices[i].position, stored_vector(data + first + 24 * i)) ||
        !same_bits(vertices[i].normal, stored_vector(data + first + 24 * i + 12))) {
      fuzz::report_finding("vertex " + std::to_string(i) + " is not as stored");
    }
  }
  return 0;
}
