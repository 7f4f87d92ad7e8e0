#include "hulfile/finding.h"

#include <algorithm>
#include <array>

namespace ombrix {

Severity severity_of(std::string_view kind) {
  static constexpr std::array<std::string_view, 7> kErrors = {
      "unreadable", "not-finite", "box-inverted", "edge-index", "normal-length", "open-hull", "empty-hull"};
  return std::find(kErrors.begin(), kErrors.end(), kind) != kErrors.end() ? Severity::kError : Severity::kWarning;
}

const char* severity_word(Severity severity) { return severity == Severity::kError ? "error" : "warning"; }

FindingCount count_findings(const std::vector<Finding>& findings) {
  FindingCount count;
  for (const Finding& finding : findings) {
    ++(severity_of(finding.kind) == Severity::kError ? count.errors : count.warnings);
  }
  return count;
}

}  // namespace ombrix
