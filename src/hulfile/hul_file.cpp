#include "hulfile/hul_file.h"

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace ombrix {

namespace {

// The game reads every count as a signed 16-bit value.
constexpr size_t kMaxCount = 32767;

class ByteWriter {
 public:
  void int16(size_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    bytes_.push_back(static_cast<char>(bits & 0xff));
    bytes_.push_back(static_cast<char>(bits >> 8));
  }
  void real(float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<char>((bits >> shift) & 0xff));
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

bool fits_the_format(const CollisionData& data) {
  if (data.volumes.size() > kMaxCount || data.spheres.size() > kMaxCount) return false;
  for (const Volume& volume : data.volumes) {
    if (volume.points.size() > kMaxCount || volume.edges.size() > kMaxCount ||
        volume.planes.size() > kMaxCount) {
      return false;
    }
  }
  return true;
}

std::string hul_bytes(const CollisionData& data) {
  ByteWriter out;
  out.int16(data.volumes.size());
  for (const Volume& volume : data.volumes) {
    out.int16(volume.points.size());
    out.int16(volume.edges.size());
    out.int16(volume.planes.size());
    for (float value : {volume.box.min_x, volume.box.max_x, volume.box.min_y, volume.box.max_y,
                        volume.box.min_z, volume.box.max_z}) {
      out.real(value);
    }
    for (float value : {volume.offset.x, volume.offset.y, volume.offset.z}) out.real(value);
    for (const Plane& plane : volume.planes) {
      for (float value : {plane.a, plane.b, plane.c, plane.d}) out.real(value);
    }
  }
  out.int16(data.spheres.size());
  for (const Sphere& sphere : data.spheres) {
    for (float value : {sphere.x, sphere.y, sphere.z, sphere.radius}) out.real(value);
  }
  return out.bytes();
}

bool write_whole_file(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return !file.fail();
}

}  // namespace

HulWriteResult write_hul_file(const std::string& path, const CollisionData& data) {
  if (!fits_the_format(data)) return HulWriteResult::kTooLarge;

  const std::filesystem::path target(path);
  std::filesystem::path temporary = target;
  temporary += ".ombrix-tmp";
  std::error_code error;
  if (!write_whole_file(temporary, hul_bytes(data))) {
    std::filesystem::remove(temporary, error);
    return HulWriteResult::kCannotWrite;
  }
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return HulWriteResult::kCannotWrite;
  }
  return HulWriteResult::kWritten;
}

}  // namespace ombrix
