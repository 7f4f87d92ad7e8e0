#include "hulfile/hul_file.h"

#include <cstdint>
#include <initializer_list>

#include "record/hull_file_limits.h"
#include "shared/little_endian.h"
#include "shared/write_file.h"

namespace ombrix {

namespace {

bool fits_the_format(const CollisionData& data) {
  if (data.volumes.size() > kMostHullFileEntries || data.spheres.size() > kMostHullFileEntries) {
    return false;
  }
  for (const Volume& volume : data.volumes) {
    if (volume.points.size() > kMostHullFileEntries || volume.edges.size() > kMostHullFileEntries ||
        volume.planes.size() > kMostHullFileEntries) {
      return false;
    }
  }
  return true;
}

void append_reals(std::string& bytes, std::initializer_list<float> values) {
  for (const float value : values) append_float32(bytes, value);
}

}  // namespace

std::optional<std::string> hul_file_bytes(const CollisionData& data) {
  if (!fits_the_format(data)) return std::nullopt;
  std::string bytes;
  append_int16(bytes, static_cast<std::int64_t>(data.volumes.size()));
  for (const Volume& volume : data.volumes) {
    append_int16(bytes, static_cast<std::int64_t>(volume.points.size()));
    append_int16(bytes, static_cast<std::int64_t>(volume.edges.size()));
    append_int16(bytes, static_cast<std::int64_t>(volume.planes.size()));
    const BBox& box = volume.box;
    append_reals(bytes, {box.min_x, box.max_x, box.min_y, box.max_y, box.min_z, box.max_z});
    append_reals(bytes, {volume.offset.x, volume.offset.y, volume.offset.z});
    for (const Vector& point : volume.points) append_reals(bytes, {point.x, point.y, point.z});
    for (const Edge& edge : volume.edges) {
      append_int16(bytes, edge.from);
      append_int16(bytes, edge.to);
    }
    for (const Plane& plane : volume.planes) append_reals(bytes, {plane.a, plane.b, plane.c, plane.d});
  }
  append_int16(bytes, static_cast<std::int64_t>(data.spheres.size()));
  for (const Sphere& sphere : data.spheres) append_reals(bytes, {sphere.x, sphere.y, sphere.z, sphere.radius});
  bytes += data.trailing;
  return bytes;
}

HulWriteResult write_hul_file(const std::string& path, const CollisionData& data) {
  const std::optional<std::string> bytes = hul_file_bytes(data);
  if (!bytes) return HulWriteResult::kTooLarge;
  return write_whole_file(path, *bytes).outcome == WriteOutcome::kWritten ? HulWriteResult::kWritten
                                                                          : HulWriteResult::kCannotWrite;
}

}  // namespace ombrix
