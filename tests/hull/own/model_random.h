// Generated models for the hull tests: the same numbers on every platform, so a failure names a
// model that can be rebuilt from its seed.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "geometry/vector.h"

namespace ombrix::testing {

// The same numbers on every platform: std::mt19937's sequence is fixed by the standard, the
// library's distributions are not, so they are not used.
class ModelRandom {
 public:
  explicit ModelRandom(std::uint32_t seed) : engine_(seed) {}

  double unit() { return engine_() / 4294967296.0; }
  double between(double low, double high) { return low + (high - low) * unit(); }
  size_t whole(size_t low, size_t high) { return low + engine_() % (high - low + 1); }

  // Mostly small models, every tenth one up to 200 vertices: the literal procedure's cost grows
  // with the cube of the count and the suite must stay quick under the sanitizers.
  size_t vertex_count(size_t model) {
    if (model % 10 == 9) return whole(60, model % 40 == 39 ? 200 : 110);
    return 4 + static_cast<size_t>(36.0 * unit() * unit());
  }

  Vector point_in_box(double half) {
    return {static_cast<float>(between(-half, half)), static_cast<float>(between(-half, half)),
            static_cast<float>(between(-half, half))};
  }

  // Uniform on a sphere of the given radius about the origin.
  Vector point_on_sphere(double radius) {
    const double z = between(-1.0, 1.0);
    const double angle = between(0.0, 6.283185307179586);
    const double ring = std::sqrt(1.0 - z * z);
    return {static_cast<float>(radius * ring * std::cos(angle)), static_cast<float>(radius * ring * std::sin(angle)),
            static_cast<float>(radius * z)};
  }

  template <class T>
  void shuffle(std::vector<T>& items) {
    for (size_t i = items.size(); i > 1; --i) std::swap(items[i - 1], items[whole(0, i - 1)]);
  }

 private:
  std::mt19937 engine_;
};

// A car-like body of about `count` vertices: a stretched ellipsoid cut flat at the floor (y = 0)
// and the roof, mirrored about x = 0, so that many coordinates are exactly 0 as a modeller's are.
inline std::vector<Vector> car_like_body(ModelRandom& random, size_t count, double size) {
  std::vector<Vector> points;
  while (points.size() < count) {
    Vector on = random.point_on_sphere(1.0);
    on.y = std::clamp(on.y, -0.6f, 0.8f);
    const Vector scaled{static_cast<float>(std::round(on.x * size * 2.0) / 4.0),
                        static_cast<float>((on.y + 0.6) * size * 0.5), static_cast<float>(on.z * size)};
    points.push_back(scaled);
    if (points.size() % 5 == 0) points.push_back({0.0f, scaled.y, scaled.z});
    if (points.size() % 3 == 0) points.push_back({-scaled.x, scaled.y, scaled.z});
  }
  points.resize(count);
  return points;
}

}  // namespace ombrix::testing
