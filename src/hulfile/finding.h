// One thing wrong with a hull file, as inspect reports it.
#pragma once

#include <string>

namespace ombrix {

struct Finding {
  std::string kind;     // one word that tools can match: "edge-index", "open-hull", ...
  std::string message;  // one line for a person, naming the hull, record or sphere
};

// How far out of a hull a point may lie and still count as inside: the tolerance the hull
// builders use for a vertex on a plane, in model units.
inline constexpr double kOutsideTolerance = 0.5;

}  // namespace ombrix
