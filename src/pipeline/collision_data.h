// What a run produces: the hulls of its main volumes and their collision spheres.
#pragma once

#include <vector>

#include "hull/volume.h"
#include "spheres/sphere.h"

namespace ombrix {

struct CollisionData {
  std::vector<Volume> volumes;  // one per main volume read, in input order; excluded ones inside
  std::vector<Sphere> spheres;  // all volumes' spheres, in placement order
};

}  // namespace ombrix
