#include "support/test_files.h"

#include <atomic>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <numbers>
#include <system_error>

#include <unistd.h>

#include "shared/little_endian.h"

namespace ombrix::testing {

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("ombrix-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

std::string TempDir::prefix() const { return path_.string() + "/"; }

std::string model_file_bytes(std::span<const Vector> points, int polygon_count) {
  std::string bytes;
  append_int16(bytes, polygon_count);
  append_int16(bytes, static_cast<int>(points.size()));
  bytes.append(static_cast<size_t>(60 * std::max(polygon_count, 0)), '\0');
  for (const Vector& point : points) {
    for (float value : {point.x, point.y, point.z, 0.0f, 0.0f, 0.0f}) append_float32(bytes, value);
  }
  return bytes;
}

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::pair<unsigned, unsigned> png_size(const std::string& bytes) {
  if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return {0, 0};
  const auto big_endian = [&](size_t at) {
    unsigned value = 0;
    for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
  };
  return {big_endian(16), big_endian(20)};
}

std::string read_file(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

VertexList vertices_of(std::span<const Vector> points) {
  VertexList vertices;
  for (const Vector& point : points) vertices.push_back({point, {}});
  return vertices;
}

std::vector<Vector> box_corners(const Vector& low, const Vector& high) {
  std::vector<Vector> corners;
  for (float x : {low.x, high.x}) {
    for (float y : {low.y, high.y}) {
      for (float z : {low.z, high.z}) corners.push_back({x, y, z});
    }
  }
  return corners;
}

std::vector<Vector> roof_at_zero_body() {
  std::vector<Vector> points;
  for (int i = 0; i < 9; ++i) {
    for (int j = 0; j < 9; ++j) points.push_back({-40.0f + 10.0f * i, 0.0f, -80.0f + 20.0f * j});
  }
  for (int step = 0; step < 40; ++step) {  // the belt, an ellipse wider than the roof
    const double angle = 2.0 * std::numbers::pi * step / 40;
    points.push_back({static_cast<float>(60.0 * std::cos(angle)), 25.0f, static_cast<float>(120.0 * std::sin(angle))});
  }
  for (int i = 0; i < 8; ++i) {
    for (int j = 0; j < 8; ++j) points.push_back({-50.0f + 100.0f * i / 7, 50.0f, -100.0f + 200.0f * j / 7});
  }
  return points;
}

}  // namespace ombrix::testing
