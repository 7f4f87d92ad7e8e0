#include "hulfile/scale_collision_data.h"

#include <cassert>
#include <cmath>
#include <initializer_list>

namespace ombrix {

namespace {

class Scaler {
 public:
  explicit Scaler(double factor) : factor_(factor) {}

  void operator()(std::initializer_list<float*> values) {
    for (float* value : values) {
      if (!std::isfinite(*value)) continue;
      *value = static_cast<float>(static_cast<double>(*value) * factor_);
      overflowed_ = overflowed_ || std::isinf(*value);
    }
  }

  bool overflowed() const { return overflowed_; }

 private:
  double factor_;
  bool overflowed_ = false;
};

}  // namespace

bool scale_collision_data(CollisionData& data, double factor) {
  assert(std::isfinite(factor) && factor > 0.0);
  Scaler scale(factor);
  for (Volume& volume : data.volumes) {
    BBox& box = volume.box;
    scale({&box.min_x, &box.max_x, &box.min_y, &box.max_y, &box.min_z, &box.max_z});
    scale({&volume.offset.x, &volume.offset.y, &volume.offset.z});
    for (Vector& point : volume.points) scale({&point.x, &point.y, &point.z});
    for (Plane& plane : volume.planes) scale({&plane.d});
  }
  for (Sphere& sphere : data.spheres) scale({&sphere.x, &sphere.y, &sphere.z, &sphere.radius});
  return !scale.overflowed();
}

}  // namespace ombrix
