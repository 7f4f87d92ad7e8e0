#include "cli/inspect_command.h"

#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/inspect_report.h"
#include "hulfile/model_instead_of_hull.h"
#include "model/model_file.h"
#include "shared/recording_log.h"

namespace ombrix {

namespace {

struct InspectOptions {
  InspectedFiles files;
  std::string model_path;
  bool model_given = false;  // an empty name is a model too, and refused as one
  bool json = false;
  bool strict = false;  // warnings count as errors for the exit status
};

int run_inspect(InspectOptions& options) {
  VertexList vertices;
  if (options.model_given) {
    RecordingLog log;  // the reader's last line says why it refused the model
    if (!read_model_file(options.model_path, vertices, log)) {
      std::cerr << "ombrix-cli: can't use the model: " << log.last_text() << '\n';
      return 2;
    }
    options.files.model_path = options.model_path;
  }
  std::optional<std::span<const MeshVertex>> model;
  if (options.files.model_path) model = vertices;
  HulReading reading = read_hul_file(options.files.hul_path);
  if (const auto model_file = model_instead_of_hull(options.files.hul_path, reading)) {
    std::cerr << "ombrix-cli: " << *model_file << "; give it with --model\n";
    return 2;
  }
  const HulInspection inspection = inspect_hul(std::move(reading), model);
  std::cout << (options.json ? inspect_json_report(inspection, options.files)
                             : inspect_text_report(inspection, options.files))
            << std::flush;
  if (!inspection.reading.fault.empty()) return 2;
  const FindingCount count = count_findings(inspection.findings);
  return count.errors > 0 || (options.strict && count.warnings > 0) ? 1 : 0;
}

}  // namespace

CliCommand add_inspect_command(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "inspect",
      "Print what a hull file holds and what is wrong with it. Exit status: 0 no error found (warnings "
      "allowed), 1 errors found (or warnings, with --strict), 2 the file cannot be read.");
  auto options = std::make_shared<InspectOptions>();
  command->add_option("FILE", options->files.hul_path, "The hull file (.hul).")->required()->type_name("FILE.hul");
  // The command line is gone when the command runs: what was given is noted while it is parsed.
  command
      ->add_option("--model", options->model_path,
                   "The model (.prm or .m) the hulls were made for: how far its vertices stick out of the "
                   "hulls, and how much of its box the spheres cover.")
      ->type_name("MODEL.prm")
      ->each([options](const std::string&) { options->model_given = true; });
  command->add_flag("--json", options->json, "Print one JSON document instead of lines.");
  command->add_flag("--strict", options->strict, "Exit with 1 on warnings too.");
  return {command, [options] { return run_inspect(*options); }};
}

}  // namespace ombrix
