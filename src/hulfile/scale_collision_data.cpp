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
      const bool was_zero = *value == 0.0f;
      *value = static_cast<float>(static_cast<double>(*value) * factor_);
      if (std::isinf(*value)) outcome_ = ScaleOutcome::kTooLarge;
      if (!was_zero && *value == 0.0f && outcome_ == ScaleOutcome::kScaled) outcome_ = ScaleOutcome::kTooSmall;
    }
  }

  ScaleOutcome outcome() const { return outcome_; }

 private:
  double factor_;
  ScaleOutcome outcome_ = ScaleOutcome::kScaled;
};

bool has_depth(const BBox& box) { return box.max_x > box.min_x && box.max_y > box.min_y && box.max_z > box.min_z; }

}  // namespace

Scaling scale_collision_data(CollisionData& data, double factor) {
  assert(std::isfinite(factor) && factor > 0.0);
  Scaler scale(factor);
  Scaling scaling;
  for (size_t hull = 0; hull < data.volumes.size(); ++hull) {
    Volume& volume = data.volumes[hull];
    BBox& box = volume.box;
    const bool had_depth = has_depth(box);
    scale({&box.min_x, &box.max_x, &box.min_y, &box.max_y, &box.min_z, &box.max_z});
    if (had_depth && !has_depth(box)) scaling.flattened.push_back(hull);
    scale({&volume.offset.x, &volume.offset.y, &volume.offset.z});
    for (Vector& point : volume.points) scale({&point.x, &point.y, &point.z});
    for (Plane& plane : volume.planes) scale({&plane.d});
  }
  for (Sphere& sphere : data.spheres) scale({&sphere.x, &sphere.y, &sphere.z, &sphere.radius});
  scaling.outcome = scale.outcome();
  return scaling;
}

}  // namespace ombrix
