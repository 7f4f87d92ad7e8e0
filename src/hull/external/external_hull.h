// The bridge to the external hull program (Qhull's qconvex), used when it lies in the current directory.
#pragma once

#include <chrono>
#include <cstddef>
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
// does not count; a link to a non-empty file does). The tool asks once, at start-up, for its
// current directory.
bool external_hull_program_present(const std::filesystem::path& directory = std::filesystem::current_path());

// The start-up log line (unstamped) that says which hull procedure every run will use:
// "'<name>' found. It will be used to compute Hull." or
// "'<name>' not found. Internal Hull procedure will be used."
std::string external_hull_presence_line(bool present);

// Which program the bridge starts and how long it waits for it.
struct ExternalHullProgram {
  // The program's name in the current directory, written so that no search path is consulted.
  std::filesystem::path path = std::filesystem::path(".") / external_hull_program_name();
  // Counted from the moment the program's input is closed.
  std::chrono::milliseconds time_limit = std::chrono::seconds(60);
  // The hull of the largest model a file can hold prints a few MB at most.
  std::size_t output_limit = 32 * 1024 * 1024;
};

// Appends to `planes` the face planes that the external program reports for `vertices`, in its
// order and orientation, unmerged and unchecked, and logs the plane count (stamped). Starts the
// program once, from the current directory, with the argument "n"; only vertex positions are sent.
//
// Output the program gives in an unexpected form adds no planes (see append_output_planes), nor
// does more output than the limit: the program is killed as soon as it passes it.
// A program that cannot be started logs "Can't start <name>." (stamped) and nothing else, and
// adds no planes. One that has not ended within the time limit is killed, logs
// "    <name> did not finish in time: its output is ignored." and the count (stamped).
// `planes` is not cleared first; the count is of all planes in it.
void build_external_hull_using(const ExternalHullProgram& program, std::vector<Plane>& planes,
                               std::span<const MeshVertex> vertices, Log& log);

// build_external_hull_using with the program in the current directory and the 60 s limit:
// the signature both hull procedures share.
void build_external_hull(std::vector<Plane>& planes, std::span<const MeshVertex> vertices, Log& log);

}  // namespace ombrix
