// The hull record of one model file, and the builder signature both hull procedures share.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "geometry/bbox.h"
#include "geometry/plane.h"
#include "model/mesh_vertex.h"
#include "shared/log.h"

namespace ombrix {

// A hull edge as two point indices; no procedure of the tool produces edges.
struct Edge {
  int from = 0;
  int to = 0;
};

// One model file's box and face planes. Every plane's normal points out of the hull: the
// model's vertices have plane value <= 0 up to the builder's tolerance. Point and edge lists
// are never filled; only their sizes (0) reach the hull file.
struct Volume {
  BBox box;
  Vector offset;                  // never set: stays (0, 0, 0)
  std::vector<Vector> points;     // always empty
  std::vector<Edge> edges;        // always empty
  std::vector<Plane> planes;
  std::vector<Volume> excluded;   // excluded volumes: only their box and planes are used
};

// Appends the outward face planes of the hull of `vertices` to `planes` and logs its lines.
using HullBuilder =
    std::function<void(std::vector<Plane>& planes, std::span<const MeshVertex> vertices, Log& log)>;

}  // namespace ombrix
