// The window's choice of hull procedure: what it offers, the names it shows and keeps in the
// settings file, and which procedure it starts with.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hull/volume.h"
#include "pipeline/run_pipeline.h"

namespace ombrix {

enum class HullProcedure {
  kOwn,      // the tool's own procedure
  kExact,    // Qhull's library inside the tool: qconvex's planes without the program
  kQconvex,  // the external program
};

// The builder behind each procedure; qconvex's only when the program was found at start-up.
struct HullBuilders {
  HullBuilder own;
  HullBuilder exact;
  std::optional<HullBuilder> qconvex;
};

// The builder of `procedure`, with how far the procedure lets a vertex lie out of its planes;
// qconvex's builder must be there.
HullMaker hull_maker(const HullBuilders& builders, HullProcedure procedure);

// In the order the window steps through them: own, exact, then qconvex when it was found.
std::vector<HullProcedure> offered_hull_procedures(bool qconvex_found);

// The procedure after `current` in the offered order, the first after the last.
HullProcedure next_hull_procedure(HullProcedure current, bool qconvex_found);

// "own", "exact" or "qconvex": the choice's caption and the settings file's value.
std::string hull_procedure_name(HullProcedure procedure);

// The procedure a settings value names, letter case ignored, when the window offers it: nothing
// for an empty or unknown value, or for qconvex when it was not found.
std::optional<HullProcedure> kept_hull_procedure(std::string_view value, bool qconvex_found);

// What the window uses when nothing was chosen: qconvex when it was found, else its own.
HullProcedure default_hull_procedure(bool qconvex_found);

// The unstamped start-up line that follows the program's presence line when a kept choice
// overrides what that line announced: "Hull procedure chosen last time: <name>. It will be used
// to compute Hull."
std::string kept_hull_procedure_line(HullProcedure procedure);

}  // namespace ombrix
