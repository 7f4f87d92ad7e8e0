#include "support/generated_hulls.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace ombrix::testing {

namespace {

Volume prism(int sides, const Vector& centre, float radius, float half_height) {
  Volume volume;
  volume.offset = centre;
  const auto n = static_cast<size_t>(sides);
  for (const float dz : {-half_height, half_height}) {
    for (size_t i = 0; i < n; ++i) {
      const double angle = 2.0 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(n);
      volume.points.push_back(
          {float(centre.x + radius * std::cos(angle)), float(centre.y + radius * std::sin(angle)), centre.z + dz});
    }
  }
  for (size_t i = 0; i < n; ++i) {
    const auto at = [](size_t index) { return static_cast<std::int16_t>(index); };
    volume.edges.push_back({at(i), at((i + 1) % n)});
    volume.edges.push_back({at(n + i), at(n + (i + 1) % n)});
    volume.edges.push_back({at(i), at(n + i)});
  }
  // Side i lies between corners i and i + 1: its normal points at their middle angle.
  for (size_t i = 0; i < n; ++i) {
    const double angle = 2.0 * std::numbers::pi * (static_cast<double>(i) + 0.5) / static_cast<double>(n);
    const double nx = std::cos(angle), ny = std::sin(angle);
    const double apothem = radius * std::cos(std::numbers::pi / static_cast<double>(n));
    volume.planes.push_back({float(nx), float(ny), 0.0f, float(-(nx * centre.x + ny * centre.y) - apothem)});
  }
  volume.planes.push_back({0, 0, -1, centre.z - half_height});
  volume.planes.push_back({0, 0, 1, -(centre.z + half_height)});

  BBox& box = volume.box;
  box = {centre.x, centre.x, centre.y, centre.y, centre.z - half_height, centre.z + half_height};
  for (const Vector& point : volume.points) {
    box.min_x = std::min(box.min_x, point.x);
    box.max_x = std::max(box.max_x, point.x);
    box.min_y = std::min(box.min_y, point.y);
    box.max_y = std::max(box.max_y, point.y);
  }
  return volume;
}

}  // namespace

CollisionData generated_prisms(int hull_count) {
  CollisionData data;
  for (int k = 0; k < hull_count; ++k) {
    const Vector centre{60.0f * static_cast<float>(k) - 40.0f, 3.25f, -12.5f};
    data.volumes.push_back(prism(3 + k, centre, 20.0f + static_cast<float>(k), 15.0f));
    data.spheres.push_back({centre.x, centre.y, centre.z - 5.0f, 7.5f});
    data.spheres.push_back({centre.x + 1.0f, centre.y, centre.z + 5.0f, 6.125f});
  }
  return data;
}

CollisionData generated_oddities() {
  CollisionData data = generated_prisms(3);
  const float inf = std::numeric_limits<float>::infinity();
  Volume& first = data.volumes[0];
  first.box.max_x = -0.0f;
  first.offset = {std::bit_cast<float>(0x7fc01234u), std::bit_cast<float>(0xffbfffffu), -inf};
  first.points[0].x = std::numeric_limits<float>::denorm_min();
  first.points[1].y = -std::numeric_limits<float>::denorm_min();
  first.points[2].z = std::numeric_limits<float>::max();
  first.planes[0].d = std::bit_cast<float>(0x7f800001u);  // a signalling not-a-number
  first.edges.push_back({-1, 32767});
  data.volumes[1].planes[1].a = inf;
  data.spheres[0].radius = 0.1f;
  data.volumes[2].planes[2].c = -0.0f;
  data.trailing = std::string("\0\x01\xff\x80tail", 8);
  return data;
}

}  // namespace ombrix::testing
