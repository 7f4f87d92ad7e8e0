// The window's choice of hull procedure: what it offers, the captions it shows, the names it keeps
// in the settings file, and which procedure it starts with.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hull/hull_procedure.h"

namespace ombrix {

// What the window offers and runs: the hull code's builders, or stand-ins under test.
struct HullOffer {
  bool external_found = false;  // the external program lay in the current directory at start-up
  std::function<HullBuilder(HullProcedure)> builder_of = hull_builder;
};

// In the order the window steps through them: own, exact, then external when it was found.
std::vector<HullProcedure> offered_hull_procedures(bool external_found);

// The procedure after `current` in the offered order, the first after the last.
HullProcedure next_hull_procedure(HullProcedure current, bool external_found);

// The hull button's caption: "Own hull", "Exact hull" or "qconvex".
std::string hull_procedure_caption(HullProcedure procedure);

// "own", "exact" or "qconvex": the settings file's value, as older files hold it.
std::string hull_procedure_setting(HullProcedure procedure);

// The procedure a settings value names, letter case ignored, when the window offers it: nothing
// for an empty or unknown value, or for qconvex when it was not found.
std::optional<HullProcedure> kept_hull_procedure(std::string_view value, bool external_found);

// The unstamped start-up line that follows the program's presence line when a kept choice
// overrides what that line announced: "Hull procedure chosen last time: <setting>. It will be
// used to compute Hull."
std::string kept_hull_procedure_line(HullProcedure procedure);

}  // namespace ombrix
