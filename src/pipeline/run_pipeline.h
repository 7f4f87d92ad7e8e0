// One complete run: from the field texts to the written hull file.
#pragma once

#include <string>
#include <vector>

#include "hull/hull_procedure.h"
#include "record/collision_data.h"
#include "shared/fields.h"
#include "shared/log.h"
#include "spheres/sphere_result.h"

namespace ombrix {

enum class RunOutcome {
  kAborted,     // a named file was missing: nothing was read or written, no end line
  kNotWritten,  // the run reached its end line but no hull file was written
  kWritten,     // the run reached its end line and the hull file was written
};

// What a run built, kept for showing it: the collision data with the excluded volumes inside
// their main volumes, and the model file each main volume was read from.
struct RunProduct {
  CollisionData data;
  std::vector<std::string> model_paths;  // one per main volume, in the order of `data.volumes`
};

// Reads the input and working directory fields, checks that every named file exists, reads
// each model, builds its box and hull with `build_hull`, fills the hulls with spheres, writes the
// hull file named by the output field (read, with the working directory, only then) and logs
// "end (<ms>ms)". `results` is emptied first and receives the placed spheres' rows.
//
// Every failure is logged; a file that cannot be read is skipped and the run goes on. When
// `product` is given it receives what the run built, written or not; an aborted run empties it.
RunOutcome run_pipeline(const Fields& fields, Log& log, const HullBuilder& build_hull, ResultList& results,
                        RunProduct* product = nullptr);

}  // namespace ombrix
