// One thing wrong with a hull file, as inspect reports it.
#pragma once

#include <string>

namespace ombrix {

struct Finding {
  std::string kind;     // one word that tools can match: "edge-index", "open-hull", ...
  std::string message;  // one line for a person, naming the hull, record or sphere
};

}  // namespace ombrix
