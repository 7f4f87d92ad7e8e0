// One thing wrong with a hull file, as inspect reports it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

struct Finding {
  std::string kind;     // one word that tools can match: "edge-index", "open-hull", ...
  std::string message;  // one line for a person, naming the hull, record or sphere
};

// An error: the game cannot use the file as meant. A warning: the file is usable but may not be
// what was meant (hand-made hulls leave vertices and spheres out on purpose).
enum class Severity { kError, kWarning };

// Errors: "unreadable", "not-finite", "box-inverted", "edge-index", "normal-length", "open-hull",
// "empty-hull"; every other kind is a warning.
Severity severity_of(std::string_view kind);

// "error" or "warning".
const char* severity_word(Severity severity);

struct FindingCount {
  size_t errors = 0;
  size_t warnings = 0;
};

FindingCount count_findings(const std::vector<Finding>& findings);

}  // namespace ombrix
