// One hull of the run's record, as the hull procedures build it and a hull file holds it.
#pragma once

#include <cstdint>
#include <vector>

#include "geometry/bbox.h"
#include "geometry/plane.h"

namespace ombrix {

// A hull edge as two indices into its volume's points, 16-bit as the hull file holds them.
struct Edge {
  std::int16_t from = 0;
  std::int16_t to = 0;
};

// One hull: a model file's box and face planes, or a hull read from a hull file. Every plane's
// normal points out of the hull: the model's vertices have plane value <= 0 up to the builder's
// tolerance. The hull procedures leave the offset, points and edges empty; hull files made by
// other tools fill them, and the writer writes whatever they hold.
struct Volume {
  BBox box;
  Vector offset;               // a point inside the hull; (0, 0, 0) from the hull procedures
  std::vector<Vector> points;  // the hull's corners
  std::vector<Edge> edges;
  std::vector<Plane> planes;
  std::vector<Volume> excluded;  // excluded volumes: only their box and planes are used
};

}  // namespace ombrix
