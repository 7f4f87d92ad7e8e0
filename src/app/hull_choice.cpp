#include "app/hull_choice.h"

#include <algorithm>

#include "shared/text.h"

namespace ombrix {

std::vector<HullProcedure> offered_hull_procedures(bool external_found) {
  std::vector<HullProcedure> offered = {HullProcedure::kOwn, HullProcedure::kExact};
  if (external_found) offered.push_back(HullProcedure::kExternal);
  return offered;
}

HullProcedure next_hull_procedure(HullProcedure current, bool external_found) {
  const std::vector<HullProcedure> offered = offered_hull_procedures(external_found);
  const auto at = std::find(offered.begin(), offered.end(), current);
  return at == offered.end() || at + 1 == offered.end() ? offered.front() : *(at + 1);
}

std::string hull_procedure_caption(HullProcedure procedure) {
  switch (procedure) {
    case HullProcedure::kOwn:
      return "Own hull";
    case HullProcedure::kExact:
      return "Exact hull";
    case HullProcedure::kExternal:
      return "qconvex";
  }
  return "Own hull";
}

std::string hull_procedure_setting(HullProcedure procedure) {
  switch (procedure) {
    case HullProcedure::kOwn:
      return "own";
    case HullProcedure::kExact:
      return "exact";
    case HullProcedure::kExternal:
      return "qconvex";
  }
  return "own";
}

std::optional<HullProcedure> kept_hull_procedure(std::string_view value, bool external_found) {
  for (const HullProcedure procedure : offered_hull_procedures(external_found)) {
    if (equal_ignoring_case(value, hull_procedure_setting(procedure))) return procedure;
  }
  return std::nullopt;
}

std::string kept_hull_procedure_line(HullProcedure procedure) {
  return "Hull procedure chosen last time: " + hull_procedure_setting(procedure) + ". It will be used to compute Hull.";
}

}  // namespace ombrix
