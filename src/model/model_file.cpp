#include "model/model_file.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <span>

#include "shared/little_endian.h"
#include "shared/number_text.h"

namespace ombrix {

namespace {

constexpr std::streamsize kHeaderBytes = 4;
constexpr std::streamsize kPolygonBytes = 60;
constexpr std::streamsize kVertexBytes = 24;

Vector vector_at(const unsigned char* bytes) {
  return {float32_at(bytes), float32_at(bytes + 4), float32_at(bytes + 8)};
}

// Reads up to `count` bytes; fewer come back only at the end of the file.
std::streamsize read_bytes(std::ifstream& file, unsigned char* into, std::streamsize count) {
  file.read(reinterpret_cast<char*>(into), count);
  return file.gcount();
}

}  // namespace

std::optional<std::string> vertex_refusal(const std::string& path, const Vector& position) {
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

bool read_model_file(const std::string& path, VertexList& vertices, Log& log) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    log.log_message("Can't read file: " + path, Stamp::kStamped);
    return false;
  }

  // A header cut short reads its missing bytes as 0, so a tiny file counts as empty.
  unsigned char header[kHeaderBytes] = {};
  read_bytes(file, header, kHeaderBytes);
  const std::int16_t polygon_count = int16_at(header);
  const std::int16_t vertex_count = int16_at(header + 2);
  if (polygon_count <= 0 || vertex_count <= 0) {
    log.log_message("File '" + path + "' has no vertices or polies.", Stamp::kStamped);
    return false;
  }

  if (!file.seekg(kPolygonBytes * polygon_count, std::ios::cur)) {
    log.log_message("File '" + path + "' is truncated.", Stamp::kStamped);
    return false;
  }
  std::vector<unsigned char> vertex_bytes(static_cast<size_t>(kVertexBytes * vertex_count));
  const std::streamsize wanted = static_cast<std::streamsize>(vertex_bytes.size());
  // seekg may pass the end without complaint; the short read below catches that too.
  if (read_bytes(file, vertex_bytes.data(), wanted) != wanted) {
    log.log_message("File '" + path + "' is truncated.", Stamp::kStamped);
    return false;
  }

  VertexList read(static_cast<size_t>(vertex_count));
  for (size_t i = 0; i < read.size(); ++i) {
    const unsigned char* record = vertex_bytes.data() + i * kVertexBytes;
    read[i].position = vector_at(record);
    read[i].normal = vector_at(record + 12);
    if (const std::optional<std::string> refusal = vertex_refusal(path, read[i].position)) {
      log.log_message(*refusal, Stamp::kStamped);
      return false;
    }
  }

  log.log_message("Reading file: " + path + " (" + format_whole(vertex_count) + " vertices And " +
                      format_whole(polygon_count) + " polies).",
                  Stamp::kStamped);
  vertices = std::move(read);
  return true;
}

}  // namespace ombrix
