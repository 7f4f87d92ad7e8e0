// Turning the external hull program's standard output into face planes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "geometry/plane.h"

namespace ombrix {

// The lines of `output`: a line ends at CR, LF or CR LF, the end characters are dropped, and text
// after the last line end is a final line. An empty output has no lines.
std::vector<std::string> split_output_lines(std::string_view output);

// Appends one plane per facet line of `lines` to `planes`, in order; `planes` is not cleared.
//
// The first line must read "4" once spaces around it are removed, and a second line (the facet
// count, not used) must follow; otherwise nothing is appended. Every further line gives a plane
// (a, b, c, d) from its first four space-separated numbers: only the space character separates,
// a missing or unreadable number gives 0 and anything after the fourth number is ignored. So an
// empty line still adds a plane of four zeros.
void append_output_planes(std::vector<Plane>& planes, const std::vector<std::string>& lines);

// The line logged (stamped) once a hull's planes are in: "    Number of planes for the Hull: "
// and the count.
std::string plane_count_line(size_t count);

}  // namespace ombrix
