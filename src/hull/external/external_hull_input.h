// The text the external hull program reads on its standard input.
#pragma once

#include <span>
#include <string>

#include "model/mesh_vertex.h"

namespace ombrix {

// "3", the vertex count, then one line per vertex position: x, y and z with ten decimals (a zero
// of either sign is 0.0000000000, infinities are +Infinity and -Infinity), separated by one space.
// Every line, the last included, ends with CR LF. Only vertex positions are read.
std::string external_hull_input_text(std::span<const MeshVertex> vertices);

}  // namespace ombrix
