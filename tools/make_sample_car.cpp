// Writes the project's sample car model: a body lofted through rounded cross-sections, with a
// cabin, flat sides and floor, and four wheel arches cut into the lower edge of the sides.
//
//   build/make-sample-car samples/car/body.prm
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "shared/little_endian.h"

namespace {

struct Point {
  float x, y, z;
};

struct Quad {
  int a, b, c, d;
};

constexpr int kStations = 21;  // cross-sections along the car's length
constexpr float kLength = 220.0f;
constexpr float kHalfWidth = 45.0f;
constexpr float kFloor = 0.0f;
constexpr float kBelt = 38.0f;  // height of the body's shoulder line
constexpr float kRoof = 75.0f;
constexpr float kWheelRadius = 19.0f;
constexpr float kAxleFromCentre = 70.0f;
constexpr float kCentreHeight = 30.0f;

// Cabin height over the body at a position along the length: windscreen, roof, rear window.
float cabin_height(float x) {
  const float front = 45.0f, roof_front = 15.0f, roof_back = -40.0f, back = -70.0f;
  if (x > front || x < back) return 0.0f;
  if (x > roof_front) return (front - x) / (front - roof_front);
  if (x >= roof_back) return 1.0f;
  return (x - back) / (roof_back - back);
}

// One cross-section: flat floor and sides, rounded shoulders, and the cabin's narrower top.
std::vector<Point> cross_section(float x) {
  const float cabin = cabin_height(x);
  const float nose = 1.0f - 0.25f * std::pow(std::fabs(x) / (kLength / 2), 4.0f);  // taper at the ends
  const float w = kHalfWidth * nose;
  const float top = kBelt + cabin * (kRoof - kBelt);
  const float cabin_w = w * (0.8f - 0.12f * cabin);
  return {
      {x, kFloor, -w},           {x, kFloor, w},            // floor corners
      {x, kBelt * 0.5f, w},      {x, kBelt - 6, w},         // flat side
      {x, kBelt, w - 6},                                    // rounded shoulder
      {x, kBelt + 1, cabin_w},   {x, top, cabin_w * 0.8f},  // cabin side and roof edge
      {x, top, -cabin_w * 0.8f}, {x, kBelt + 1, -cabin_w}, {x, kBelt, -(w - 6)},
      {x, kBelt - 6, -w},        {x, kBelt * 0.5f, -w},
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-sample-car OUTPUT.prm\n");
    return 2;
  }

  std::vector<Point> points;
  std::vector<Quad> quads;
  int ring_size = 0;
  for (int s = 0; s < kStations; ++s) {
    const float x = kLength / 2 - kLength * static_cast<float>(s) / (kStations - 1);
    const std::vector<Point> ring = cross_section(x);
    ring_size = static_cast<int>(ring.size());
    const int base = static_cast<int>(points.size());
    points.insert(points.end(), ring.begin(), ring.end());
    if (s == 0) continue;
    for (int i = 0; i < ring_size; ++i) {
      const int j = (i + 1) % ring_size;
      quads.push_back({base - ring_size + i, base - ring_size + j, base + j, base + i});
    }
  }

  // Wheel arches: half circles of points on each side, around each axle.
  for (float axle : {kAxleFromCentre, -kAxleFromCentre}) {
    for (float side : {kHalfWidth - 1.0f, -(kHalfWidth - 1.0f)}) {
      for (int step = 0; step <= 10; ++step) {
        const double angle = std::numbers::pi * step / 10.0;
        points.push_back({axle + kWheelRadius * static_cast<float>(std::cos(angle)),
                          kFloor + kWheelRadius * static_cast<float>(std::sin(angle)), side});
      }
    }
  }

  std::string bytes;
  ombrix::append_int16(bytes, static_cast<int>(quads.size()));
  ombrix::append_int16(bytes, static_cast<int>(points.size()));
  for (const Quad& quad : quads) {
    ombrix::append_int16(bytes, 1);  // type: quad
    ombrix::append_int16(bytes, 0);  // texture page
    for (int index : {quad.a, quad.b, quad.c, quad.d}) ombrix::append_int16(bytes, index);
    for (int corner = 0; corner < 4; ++corner) ombrix::append_uint32(bytes, 0xff808080u);  // grey
    for (int uv = 0; uv < 8; ++uv) ombrix::append_float32(bytes, 0.0f);
  }
  for (const Point& p : points) {
    // Re-Volt's y axis points down; the model's origin sits inside the body, as a car's does.
    for (float value : {p.x, kCentreHeight - p.y, p.z, 0.0f, 0.0f, 0.0f}) ombrix::append_float32(bytes, value);
  }
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "make-sample-car: can't write %s\n", argv[1]);
    return 1;
  }
  std::printf("%s: %zu vertices, %zu polygons\n", argv[1], points.size(), quads.size());
  return 0;
}
