#include "hulfile/hul_file_reader.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

#include "shared/file_bytes.h"
#include "shared/joined.h"
#include "shared/little_endian.h"

namespace ombrix {

namespace {

constexpr size_t kCountSize = 2;
constexpr size_t kRealSize = 4;
constexpr size_t kBoxAndOffsetSize = 9 * kRealSize;

// "1st", "2nd", "3rd", "4th", "11th", "12th", "13th", "21st".
std::string ordinal(size_t number) {
  const size_t tens = number % 100;
  const size_t units = number % 10;
  const char* suffix = (tens >= 11 && tens <= 13) ? "th"
                       : units == 1               ? "st"
                       : units == 2               ? "nd"
                       : units == 3               ? "rd"
                                                  : "th";
  return joined({std::to_string(number), suffix});
}

std::string cut_off_in_list(size_t read, std::int16_t announced, std::string_view record) {
  const std::string where =
      read == 0 ? joined({"before its first ", record}) : joined({"after its ", ordinal(read), " ", record});
  return joined({"is cut off ", where, " (", std::to_string(announced), " announced)"});
}

class HulParser {
 public:
  explicit HulParser(std::string_view bytes) : bytes_(bytes) {}

  void read(HulReading& reading) {
    CollisionData& data = reading.data;
    std::int16_t hull_count = 0;
    if (bytes_.empty()) return fail(reading, "the file is empty");
    if (!take_count(hull_count)) return fail(reading, "the file is cut off in its hull count");
    if (hull_count < 0) return fail(reading, joined({"the hull count is negative (", std::to_string(hull_count), ")"}));
    data.volumes.reserve(affordable(hull_count, 3 * kCountSize + kBoxAndOffsetSize));
    for (int hull = 1; hull <= hull_count; ++hull) {
      Volume volume;
      const std::string fault = read_hull(volume);
      if (!fault.empty()) {
        return fail(reading, joined({"hull ", std::to_string(hull), " of ", std::to_string(hull_count), " ", fault}));
      }
      data.volumes.push_back(std::move(volume));
    }

    std::int16_t sphere_count = 0;
    if (remaining() == 0) return fail(reading, "the file is cut off before its sphere count");
    if (!take_count(sphere_count)) return fail(reading, "the file is cut off in its sphere count");
    if (sphere_count < 0) {
      return fail(reading, joined({"the sphere count is negative (", std::to_string(sphere_count), ")"}));
    }
    data.spheres.reserve(affordable(sphere_count, 4 * kRealSize));
    for (std::int16_t i = 0; i < sphere_count; ++i) {
      Sphere sphere;
      if (!take_reals({&sphere.x, &sphere.y, &sphere.z, &sphere.radius})) {
        return fail(reading, joined({"the file ", cut_off_in_list(data.spheres.size(), sphere_count, "sphere")}));
      }
      data.spheres.push_back(sphere);
    }
    data.trailing = std::string(bytes_.substr(position_));
  }

 private:
  // Empty when the hull was read whole, else what went wrong, after "hull N of H ".
  std::string read_hull(Volume& volume) {
    std::int16_t counts[3] = {0, 0, 0};
    for (std::int16_t& count : counts) {
      if (!take_count(count)) return "is cut off in its counts";
    }
    const std::string_view names[3] = {"point", "edge", "plane"};
    for (size_t i = 0; i < 3; ++i) {
      if (counts[i] < 0) return joined({"has a negative ", names[i], " count (", std::to_string(counts[i]), ")"});
    }
    BBox& box = volume.box;
    if (!take_reals({&box.min_x, &box.max_x, &box.min_y, &box.max_y, &box.min_z, &box.max_z})) {
      return "is cut off in its box";
    }
    if (!take_reals({&volume.offset.x, &volume.offset.y, &volume.offset.z})) return "is cut off in its offset";

    volume.points.reserve(affordable(counts[0], 3 * kRealSize));
    for (std::int16_t i = 0; i < counts[0]; ++i) {
      Vector point;
      if (!take_reals({&point.x, &point.y, &point.z})) return cut_off_in_list(volume.points.size(), counts[0], "point");
      volume.points.push_back(point);
    }
    volume.edges.reserve(affordable(counts[1], 2 * kCountSize));
    for (std::int16_t i = 0; i < counts[1]; ++i) {
      if (remaining() < 2 * kCountSize) return cut_off_in_list(volume.edges.size(), counts[1], "edge");
      Edge edge;
      take_count(edge.from);
      take_count(edge.to);
      volume.edges.push_back(edge);
    }
    volume.planes.reserve(affordable(counts[2], 4 * kRealSize));
    for (std::int16_t i = 0; i < counts[2]; ++i) {
      Plane plane;
      if (!take_reals({&plane.a, &plane.b, &plane.c, &plane.d})) {
        return cut_off_in_list(volume.planes.size(), counts[2], "plane");
      }
      volume.planes.push_back(plane);
    }
    return {};
  }

  size_t remaining() const { return bytes_.size() - position_; }

  // How many records of `size` bytes to make room for: the count, unless the bytes left hold fewer.
  size_t affordable(std::int16_t count, size_t size) const {
    return std::min(static_cast<size_t>(count), remaining() / size);
  }

  const unsigned char* here() const { return reinterpret_cast<const unsigned char*>(bytes_.data()) + position_; }

  bool take_count(std::int16_t& count) {
    if (remaining() < kCountSize) return false;
    count = int16_at(here());
    position_ += kCountSize;
    return true;
  }

  // All or none: a record is taken only when every one of its values is there.
  bool take_reals(std::initializer_list<float*> values) {
    if (remaining() < values.size() * kRealSize) return false;
    for (float* value : values) {
      *value = float32_at(here());
      position_ += kRealSize;
    }
    return true;
  }

  void fail(HulReading& reading, std::string fault) { reading.fault = std::move(fault); }

  std::string_view bytes_;
  size_t position_ = 0;
};

}  // namespace

HulReading read_hul_bytes(std::string_view bytes) {
  HulReading reading;
  reading.file_size = bytes.size();
  HulParser(bytes).read(reading);
  return reading;
}

HulReading read_hul_file(const std::string& path) {
  std::string fault;
  const std::optional<std::string> bytes = read_file_bytes(path, fault);
  if (!bytes) {
    HulReading reading;
    reading.fault = fault;
    return reading;
  }
  return read_hul_bytes(*bytes);
}

}  // namespace ombrix
