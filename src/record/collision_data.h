// What a hull file holds: the hulls of the main volumes and the collision spheres.
#pragma once

#include <string>
#include <vector>

#include "record/sphere.h"
#include "record/volume.h"

namespace ombrix {

struct CollisionData {
  std::vector<Volume> volumes;  // one per main volume read, in input order; excluded ones inside
  std::vector<Sphere> spheres;  // all volumes' spheres, in placement order
  std::string trailing;         // bytes after the last sphere of a file read; a run leaves it empty
};

}  // namespace ombrix
