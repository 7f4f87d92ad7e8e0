// The exact hull procedure: the external hull program's planes, computed inside the tool with
// the Qhull library the program is built on, so no program has to be installed.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "geometry/plane.h"
#include "model/mesh_vertex.h"
#include "shared/log.h"

namespace ombrix {

// What the program, run as the bridge runs it ("qconvex n"), would print on its standard output
// for `vertices`: "4", the facet count, then one line per facet with its normal and offset.
// Empty where the program prints nothing there (fewer than four vertices, a flat model, any
// failure of Qhull); the reason it would print on its standard error is dropped.
//
// The vertices reach Qhull as the bridge writes them to the program and as the program reads
// them back (ten decimals, then to double); the same Qhull options give the same facets in the
// same order, and each number is printed as the program prints it.
std::string exact_hull_output(std::span<const MeshVertex> vertices);

// Appends to `planes` the face planes of the convex hull of `vertices`, each flat side once:
// bit for bit and in the order the bridge gets them from the external program, read from
// exact_hull_output by the bridge's own reader. Logs, like the bridge,
// "    Number of planes for the Hull: <count>" (stamped) and nothing before it.
//
// `planes` is not cleared first. Only vertex positions are read. Cost: about the vertex count
// times the logarithm of the facet count, plus the text of the vertices and of the planes.
void build_exact_hull(std::vector<Plane>& planes, std::span<const MeshVertex> vertices, Log& log);

}  // namespace ombrix
