// The bridge to the external hull program (Qhull's qconvex), used when it lies in the current directory.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "geometry/plane.h"
#include "model/mesh_vertex.h"
#include "shared/log.h"

namespace ombrix {

// The program's file name on this platform: "qconvex.exe" on Windows, "qconvex" elsewhere.
std::string external_hull_program_name();

// Whether a non-empty file of the program's name lies in `directory` (a folder or an empty file
// does not count). The tool asks once, at start-up, for its current directory.
bool external_hull_program_present(const std::filesystem::path& directory = std::filesystem::current_path());

// Appends to `planes` the face planes that the external program reports for `vertices`, in its
// order and orientation, and logs the plane count (stamped).
void build_external_hull(std::vector<Plane>& planes, std::span<const MeshVertex> vertices, Log& log);

}  // namespace ombrix
