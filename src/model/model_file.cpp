#include "model/model_file.h"

#include "shared/number_text.h"

namespace ombrix {

bool read_model_file(const std::string& path, VertexList& vertices, Log& log) {
  ModelReading reading = read_model_mesh(path);
  if (!reading.fault.empty()) {
    log.log_message(reading.fault, Stamp::kStamped);
    return false;
  }
  ModelMesh& mesh = reading.mesh;
  const std::size_t polygon_count = mesh.polygons.size() + mesh.polygons_out_of_range;
  log.log_message("Reading file: " + path + " (" + format_whole(static_cast<std::int64_t>(mesh.vertices.size())) +
                      " vertices And " + format_whole(static_cast<std::int64_t>(polygon_count)) + " polies).",
                  Stamp::kStamped);
  vertices = std::move(mesh.vertices);
  return true;
}

}  // namespace ombrix
