// Hull volumes the sphere tests build by hand: a box with its six outward face planes.
#pragma once

#include "record/volume.h"

namespace ombrix::testing {

// The box from `low` to `high` with its face planes, unit normals pointing out, in the order
// -x, +x, -y, +y, -z, +z.
inline Volume box_volume(const Vector& low, const Vector& high) {
  Volume volume;
  volume.box = {low.x, high.x, low.y, high.y, low.z, high.z};
  volume.planes = {
      {-1, 0, 0, low.x},  {1, 0, 0, -high.x}, {0, -1, 0, low.y},
      {0, 1, 0, -high.y}, {0, 0, -1, low.z},  {0, 0, 1, -high.z},
  };
  return volume;
}

// The cube from -half to +half on every axis.
inline Volume centred_cube(float half) { return box_volume({-half, -half, -half}, {half, half, half}); }

}  // namespace ombrix::testing
