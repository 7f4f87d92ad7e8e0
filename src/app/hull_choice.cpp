#include "app/hull_choice.h"

#include <algorithm>

#include "hull/rounding_margins.h"
#include "shared/text.h"

namespace ombrix {

HullMaker hull_maker(const HullBuilders& builders, HullProcedure procedure) {
  switch (procedure) {
    case HullProcedure::kExact:
      return {builders.exact, 0.0};
    case HullProcedure::kQconvex:
      return {*builders.qconvex, 0.0};
    case HullProcedure::kOwn:
      break;
  }
  return {builders.own, kOnPlaneTolerance};
}

std::vector<HullProcedure> offered_hull_procedures(bool qconvex_found) {
  std::vector<HullProcedure> offered = {HullProcedure::kOwn, HullProcedure::kExact};
  if (qconvex_found) offered.push_back(HullProcedure::kQconvex);
  return offered;
}

HullProcedure next_hull_procedure(HullProcedure current, bool qconvex_found) {
  const std::vector<HullProcedure> offered = offered_hull_procedures(qconvex_found);
  const auto at = std::find(offered.begin(), offered.end(), current);
  return at == offered.end() || at + 1 == offered.end() ? offered.front() : *(at + 1);
}

std::string hull_procedure_name(HullProcedure procedure) {
  switch (procedure) {
    case HullProcedure::kOwn:
      return "own";
    case HullProcedure::kExact:
      return "exact";
    case HullProcedure::kQconvex:
      return "qconvex";
  }
  return "own";
}

std::optional<HullProcedure> kept_hull_procedure(std::string_view value, bool qconvex_found) {
  for (const HullProcedure procedure : offered_hull_procedures(qconvex_found)) {
    if (equal_ignoring_case(value, hull_procedure_name(procedure))) return procedure;
  }
  return std::nullopt;
}

HullProcedure default_hull_procedure(bool qconvex_found) {
  return qconvex_found ? HullProcedure::kQconvex : HullProcedure::kOwn;
}

std::string kept_hull_procedure_line(HullProcedure procedure) {
  return "Hull procedure chosen last time: " + hull_procedure_name(procedure) + ". It will be used to compute Hull.";
}

}  // namespace ombrix
