#include "hulfile/hul_text.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <initializer_list>

#include "shared/float_text.h"
#include "shared/joined.h"

namespace ombrix {

namespace {

constexpr size_t kTrailingBytesPerLine = 32;

std::string value_text(float value) {
  if (std::isfinite(value)) return shortest_decimal(value);
  char text[16];
  std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(std::bit_cast<std::uint32_t>(value)));
  return text;
}

void append_record(std::string& text, const char* label, std::initializer_list<float> values) {
  text += label;
  for (const float value : values) {
    text += ' ';
    text += value_text(value);
  }
}

std::string counted(size_t count, std::string_view noun) {
  return joined({std::to_string(count), " ", noun, count == 1 ? "" : "s"});
}

}  // namespace

std::string hul_text(const CollisionData& data) {
  std::string text = joined({"# ombrix hull file text: ", counted(data.volumes.size(), "hull"), ", ",
                             counted(data.spheres.size(), "sphere"), "\n"});
  for (size_t i = 0; i < data.volumes.size(); ++i) {
    const Volume& volume = data.volumes[i];
    text += joined({"hull  # ", std::to_string(i + 1), " of ", std::to_string(data.volumes.size()), ": ",
                    counted(volume.points.size(), "point"), ", ", counted(volume.edges.size(), "edge"), ", ",
                    counted(volume.planes.size(), "plane"), "\n"});
    const BBox& box = volume.box;
    append_record(text, "box", {box.min_x, box.max_x, box.min_y, box.max_y, box.min_z, box.max_z});
    text += "\n";
    append_record(text, "offset", {volume.offset.x, volume.offset.y, volume.offset.z});
    text += "\n";
    for (size_t p = 0; p < volume.points.size(); ++p) {
      const Vector& point = volume.points[p];
      append_record(text, "point", {point.x, point.y, point.z});
      text += joined({"  # ", std::to_string(p), "\n"});
    }
    for (const Edge& edge : volume.edges) {
      text += joined({"edge ", std::to_string(edge.from), " ", std::to_string(edge.to), "\n"});
    }
    for (const Plane& plane : volume.planes) {
      append_record(text, "plane", {plane.a, plane.b, plane.c, plane.d});
      text += "\n";
    }
  }
  for (const Sphere& sphere : data.spheres) {
    append_record(text, "sphere", {sphere.x, sphere.y, sphere.z, sphere.radius});
    text += "\n";
  }
  for (size_t start = 0; start < data.trailing.size(); start += kTrailingBytesPerLine) {
    text += "trailing ";
    const size_t end = std::min(data.trailing.size(), start + kTrailingBytesPerLine);
    for (size_t i = start; i < end; ++i) {
      char digits[3];
      std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(data.trailing[i]));
      text += digits;
    }
    text += "\n";
  }
  return text + "end\n";
}

}  // namespace ombrix
