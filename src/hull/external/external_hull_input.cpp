#include "hull/external/external_hull_input.h"

#include "shared/number_text.h"

namespace ombrix {

std::string external_hull_input_text(std::span<const MeshVertex> vertices) {
  constexpr size_t kCharsPerVertex = 48;  // three numbers in the usual model range and their separators
  std::string text;
  text.reserve(16 + vertices.size() * kCharsPerVertex);
  text += "3\r\n";
  text += format_whole(static_cast<std::int64_t>(vertices.size()));
  text += "\r\n";
  for (const MeshVertex& vertex : vertices) {
    text += format_fixed(vertex.position.x, 10);
    text += ' ';
    text += format_fixed(vertex.position.y, 10);
    text += ' ';
    text += format_fixed(vertex.position.z, 10);
    text += "\r\n";
  }
  return text;
}

}  // namespace ombrix
