#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace ombrix::fuzz {

namespace {

// Coordinates beyond this are left to the model reader's own bound: the hull stages are
// compared on models a run accepts.
constexpr float kLargestCoordinate = 0x1p40f;

float grid_coordinate(FuzzedDataProvider& data) { return data.ConsumeIntegral<std::int8_t>() * 0.25f; }

float scaled_coordinate(FuzzedDataProvider& data, int power) {
  return std::ldexp(static_cast<float>(data.ConsumeIntegral<std::int16_t>()), power);
}

float float_coordinate(FuzzedDataProvider& data) {
  const float value = std::bit_cast<float>(data.ConsumeIntegral<std::uint32_t>());
  return std::isfinite(value) && std::fabs(value) < kLargestCoordinate ? value : 0.0f;
}

// A file rewritten on disk at every input slows the fuzzer forty-fold: memory-backed where
// there is such a folder.
std::filesystem::path scratch_folder() {
  std::error_code error;
  if (std::filesystem::is_directory("/dev/shm", error)) return "/dev/shm";
  return std::filesystem::temp_directory_path();
}

}  // namespace

void report_finding(const std::string& what) {
  std::fprintf(stderr, "finding: %s\n", what.c_str());
  std::abort();
}

std::string scratch_file(std::string_view bytes) {
  // Removed when the fuzzer exits; left behind only by a crash.
  static const struct ScratchPath {
    std::string path = (scratch_folder() / ("ombrix-fuzz-" + std::to_string(::getpid()))).string();
    ~ScratchPath() { std::remove(path.c_str()); }
  } scratch;
  std::ofstream(scratch.path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return scratch.path;
}

VertexList model_vertices(FuzzedDataProvider& data, size_t max_vertices) {
  const int kind = data.ConsumeIntegralInRange(0, 2);
  const int power = data.ConsumeIntegralInRange(-30, 30);
  VertexList vertices;
  while (vertices.size() < max_vertices && data.remaining_bytes() > 0) {
    Vector& p = vertices.emplace_back().position;
    for (float* coordinate : {&p.x, &p.y, &p.z}) {
      *coordinate = kind == 0   ? grid_coordinate(data)
                    : kind == 1 ? scaled_coordinate(data, power)
                                : float_coordinate(data);
    }
  }
  return vertices;
}

}  // namespace ombrix::fuzz
