#include "hull/hull_procedure.h"

#include "hull/external/external_hull.h"
#include "hull/own/own_hull.h"
#include "hull/qhull/exact_procedure.h"
#include "record/on_plane_tolerance.h"

namespace ombrix {

HullBuilder hull_builder(HullProcedure procedure) {
  switch (procedure) {
    case HullProcedure::kExact:
      return build_exact_hull;
    case HullProcedure::kExternal:
      return build_external_hull;
    case HullProcedure::kOwn:
      break;
  }
  return build_own_hull;
}

double hull_tolerance(HullProcedure procedure) { return procedure == HullProcedure::kOwn ? kOnPlaneTolerance : 0.0; }

HullProcedure default_hull_procedure(bool external_found) {
  return external_found ? HullProcedure::kExternal : HullProcedure::kOwn;
}

}  // namespace ombrix
