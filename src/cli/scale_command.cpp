#include "cli/scale_command.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/output_file.h"
#include "hulfile/scale_collision_data.h"

namespace ombrix {

namespace {

struct ScaleOptions {
  std::string path;
  std::string factor;
  OutputChoice output;
  std::vector<std::string> strays;  // what CLI11 left over, such as a factor that reads as an option: "-inf"
};

// The whole text as a decimal number that is finite and above 0.
std::optional<double> scale_factor(std::string_view text) {
  if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
  double value = 0.0;
  const std::from_chars_result result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  if (!std::isfinite(value) || value <= 0.0) return std::nullopt;
  return value;
}

// CLI11 takes a word such as "-inf" for options it does not know: it is the factor when none was
// given, so that the factor's own line can say what is wrong with it.
std::optional<std::string> factor_text(const ScaleOptions& options, const std::vector<std::string>& strays) {
  if (strays.empty() && !options.factor.empty()) return options.factor;
  if (strays.size() == 1 && options.factor.empty()) return strays[0];
  if (strays.empty()) {
    std::cerr << "ombrix-cli: scale needs a FACTOR after the hull file\n";
  } else {
    std::cerr << "ombrix-cli: scale does not know '" << strays.back() << "'\n";
  }
  return std::nullopt;
}

int run_scale(ScaleOptions options) {
  const std::optional<std::string> text = factor_text(options, options.strays);
  if (!text) return 2;
  options.factor = *text;
  const std::optional<double> factor = scale_factor(options.factor);
  if (!factor) {
    std::cerr << "ombrix-cli: the factor must be a finite number above 0, not '" << options.factor << "'\n";
    return 2;
  }
  std::optional<CollisionData> data = read_hull_to_change(options.path);
  if (!data) return 2;
  const Scaling scaling = scale_collision_data(*data, *factor);
  if (scaling.outcome != ScaleOutcome::kScaled) {
    std::cerr << "ombrix-cli: scaling by " << options.factor << " makes values too "
              << (scaling.outcome == ScaleOutcome::kTooLarge ? "large" : "small (they would become 0)")
              << " for a hull file; nothing written\n";
    return 1;
  }
  for (const size_t hull : scaling.flattened) {
    std::cerr << "ombrix-cli: warning: scaling by " << options.factor << " makes hull " << hull + 1
              << " flat: its box has no depth along some axis\n";
  }
  return write_output_file(*data, options.path, options.output);
}

}  // namespace

CliCommand add_scale_command(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "scale", "Resize a hull file about the origin: coordinates, offsets, radii and plane offsets times FACTOR.");
  auto options = std::make_shared<ScaleOptions>();
  command->add_option("FILE", options->path, "The hull file (.hul) to read.")->required()->type_name("FILE.hul");
  command->add_option("FACTOR", options->factor, "A finite number above 0, e.g. 1.25 or 0.8.")->type_name("FACTOR");
  command->allow_extras();
  add_output_options(*command, options->output);
  // The parser is gone when the command runs: what it left over is kept while it parses.
  command->callback([command, options] { options->strays = command->remaining(); });
  return {command, [options] { return run_scale(*options); }};
}

}  // namespace ombrix
