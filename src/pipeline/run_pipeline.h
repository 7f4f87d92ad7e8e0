// One complete run: from the field texts to the written hull file.
#pragma once

#include <span>
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

// The hull procedure a run uses: its builder, and how far the procedure lets a vertex lie out of
// its own planes (the own procedure's on-plane tolerance, 0 for the exact hull and qconvex),
// which a plane budget keeps for the hulls it replaces.
struct HullMaker {
  HullBuilder build;
  double tolerance = 0.0;
};

// What a run built, kept for showing it: the collision data with the excluded volumes inside
// their main volumes, and the model file each main volume was read from.
struct RunProduct {
  CollisionData data;
  std::vector<std::string> model_paths;  // one per main volume, in the order of `data.volumes`
};

// The hull file a run writes: the output field's name in the working directory, or the name as it
// is when it is absolute.
std::string run_output_path(const Fields& fields);

// The model files a run reads, each input field entry's name in the working directory.
std::vector<std::string> run_input_paths(const Fields& fields);

// Reads the input, working directory and max planes fields, checks that every named file exists,
// reads each model, builds its box and hull with `hull`, keeps each hull within the plane budget
// (apply_plane_budget), fills the hulls with spheres, writes the hull file at run_output_path
// (the output field is read only then) through write_whole_file, never over a model it read nor
// over a file of `also_read` (what the caller read for the run, such as the settings file), and
// logs "end (<ms>ms)". `results` is emptied first and receives the placed spheres' rows.
//
// A max planes text that is no budget aborts the run before the files are checked, with
// plane_budget_refusal's line. Every other failure is logged; a file that cannot be read is
// skipped and the run goes on. When `product` is given it receives what the run built, written
// or not; an aborted run empties it.
RunOutcome run_pipeline(const Fields& fields, Log& log, const HullMaker& hull, ResultList& results,
                        RunProduct* product = nullptr, std::span<const std::string> also_read = {});

}  // namespace ombrix
