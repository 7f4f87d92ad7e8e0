#include "hull/hull_procedure.h"

#include "hull/external/external_hull.h"
#include "hull/own/own_hull.h"
#include "hull/qhull/exact_procedure.h"

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

HullProcedure default_hull_procedure(bool external_found) {
  return external_found ? HullProcedure::kExternal : HullProcedure::kOwn;
}

}  // namespace ombrix
