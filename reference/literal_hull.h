// The hull procedure exactly as written down, triple by triple: the reference that the tool's
// fast builder must match bit for bit. Reachable from the tests and the benchmark only.
#pragma once

#include <span>
#include <vector>

#include "geometry/plane.h"
#include "model/mesh_vertex.h"
#include "shared/log.h"

namespace ombrix::reference {

// Same contract as build_own_hull: appends the outward face planes of the hull of
// `vertices` to `planes` and logs "Creating Hull." and "    Number of planes for the Hull: <n>",
// both stamped. Tries every triple against every vertex and merges with a scan over all later
// planes, so its cost grows with the fourth power of the vertex count.
void build_literal_hull(std::vector<Plane>& planes, std::span<const MeshVertex> vertices, Log& log);

}  // namespace ombrix::reference
