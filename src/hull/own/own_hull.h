// The tool's own convex hull builder, used when no external hull program is present.
#pragma once

#include <span>
#include <vector>

#include "geometry/plane.h"
#include "model/mesh_vertex.h"
#include "shared/log.h"

namespace ombrix {

// Appends to `planes` the outward face planes of the convex hull of `vertices` and logs
// "Creating Hull." and then "    Number of planes for the Hull: <count>", both stamped.
//
// The planes are, bit for bit, those of trying every vertex triple: a triple's plane is kept
// when all vertices off it lie on one side, a vertex within 0.5 model units counting as lying
// on it. Near-duplicate planes (offsets within 1% of the first one's, normals within about 5°)
// are then merged by averaging; a merged normal is not rescaled, so it can be slightly shorter
// than 1. Fewer than three vertices, or all vertices in one plane, give no planes: this is not
// an error. Planes keep the order in which their first triple was found.
//
// `planes` is not cleared first. Only vertex positions are read. Cost: about the vertex count
// times the exact hull's facet count, plus tens of nanoseconds for each triple kept before
// merging, which grow with the cube of the number of vertices near one face; models that hug a
// line or a plane cost about the square of the vertex count times its square root, and a
// vertex far larger than the rest adds the square of the vertex count. A slab of vertices
// scattered within the tolerance of a plane keeps a large share of all triples, at least the
// cube of the vertex count.
void build_own_hull(std::vector<Plane>& planes, std::span<const MeshVertex> vertices, Log& log);

}  // namespace ombrix
