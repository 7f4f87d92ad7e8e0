// The three hull procedures, and the builder behind each: the hull room's one entrance.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "geometry/plane.h"
#include "model/mesh_vertex.h"
#include "shared/log.h"

namespace ombrix {

// Appends the outward face planes of the hull of `vertices` to `planes` and logs its lines.
using HullBuilder = std::function<void(std::vector<Plane>& planes, std::span<const MeshVertex> vertices, Log& log)>;

enum class HullProcedure {
  kOwn,       // the tool's own procedure (hull/own/)
  kExact,     // Qhull's library inside the tool: the external program's planes without it (hull/qhull/)
  kExternal,  // the external program, qconvex, started from the current directory (hull/external/)
};

// The builder of `procedure`.
HullBuilder hull_builder(HullProcedure procedure);

// How far `procedure` lets a vertex lie out of the planes it builds: the on-plane tolerance for
// the tool's own, none for the exact hull and the external program. A plane budget keeps it.
double hull_tolerance(HullProcedure procedure);

// What a run uses when no procedure was chosen: the external program when it was found in the
// current directory at start-up, else the tool's own.
HullProcedure default_hull_procedure(bool external_found);

}  // namespace ombrix
