#include "cli/simplify_command.h"

#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/output_file.h"
#include "hulfile/simplify_hulls.h"
#include "hull/budget/plane_budget.h"
#include "shared/number_text.h"

namespace ombrix {

namespace {

struct SimplifyOptions {
  std::string path;
  std::string planes;
  OutputChoice output;
};

// "hull 1: 322 planes reduced to 40 (+0.8% volume)", and what became of its corners.
std::string change_line(const SimplifiedHull& hull) {
  std::string change = format_fixed(hull.volume_change, 1);
  if (hull.volume_change >= 0.0) change.insert(change.begin(), '+');
  std::string line = "hull " + std::to_string(hull.hull + 1) + ": " + std::to_string(hull.planes_before) +
                     " planes reduced to " + std::to_string(hull.planes_after) + " (" + change + "% volume)";
  if (hull.corners_made) line += "; its points and edges made anew from its new planes";
  if (hull.corners_dropped) line += "; its points and edges dropped: the new ones would not fit a hull file";
  return line;
}

int run_simplify(const SimplifyOptions& options) {
  const std::optional<size_t> most_planes = read_plane_budget(options.planes);
  if (!most_planes || *most_planes == 0) {
    std::cerr << "ombrix-cli: --planes must be a whole number from " << kFewestBudgetPlanes << " to "
              << kMostBudgetPlanes << ", not '" << options.planes << "'\n";
    return 2;
  }
  std::optional<CollisionData> data = read_hull_to_change(options.path);
  if (!data) return 2;
  if (output_is_refused_input(options.path, options.output)) return 1;  // before the work, not after it
  const Simplification simplification = simplify_hulls(*data, *most_planes);
  if (!simplification.refusal.empty()) {
    std::cerr << "ombrix-cli: can't simplify " << options.path << ": " << simplification.refusal
              << "; nothing written\n";
    return 1;
  }
  for (const SimplifiedHull& hull : simplification.hulls) std::cerr << "ombrix-cli: " << change_line(hull) << '\n';
  return write_output_file(*data, options.path, options.output);
}

}  // namespace

CliCommand add_simplify_command(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "simplify",
      "Give every hull with more than N planes at most N that still enclose all of it; spheres, offsets, "
      "boxes and other hulls stay as they are.");
  auto options = std::make_shared<SimplifyOptions>();
  command->add_option("FILE", options->path, "The hull file (.hul) to read.")->required()->type_name("FILE.hul");
  command->add_option("--planes", options->planes, "At most this many planes per hull, 4 to 32767.")
      ->required()
      ->type_name("N");
  add_output_options(*command, options->output);
  return {command, [options] { return run_simplify(*options); }};
}

}  // namespace ombrix
