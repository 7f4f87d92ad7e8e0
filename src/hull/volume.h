// The hull record of one model file, and the builder signature both hull procedures share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "geometry/bbox.h"
#include "geometry/plane.h"
#include "model/mesh_vertex.h"
#include "shared/log.h"

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
  Vector offset;                  // a point inside the hull; (0, 0, 0) from the hull procedures
  std::vector<Vector> points;     // the hull's corners
  std::vector<Edge> edges;
  std::vector<Plane> planes;
  std::vector<Volume> excluded;   // excluded volumes: only their box and planes are used
};

// The most entries a hull file can count in one list (hulls, a hull's points, edges or planes,
// spheres): the game reads every count as a signed 16-bit value.
inline constexpr std::size_t kMostHullFileEntries = 32767;

// Appends the outward face planes of the hull of `vertices` to `planes` and logs its lines.
using HullBuilder =
    std::function<void(std::vector<Plane>& planes, std::span<const MeshVertex> vertices, Log& log)>;

}  // namespace ombrix
