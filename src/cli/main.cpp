// ombrix-cli: one run of the tool from the command line, logging as the window's log box does.
#include <filesystem>
#include <iostream>

#include "cli/cli_options.h"
#include "cli/output_file.h"
#include "cli/picture_output.h"
#include "cli/table_output.h"
#include "hull/external/external_hull.h"
#include "hull/hull_procedure.h"
#include "picture/run_scene.h"
#include "pipeline/run_pipeline.h"
#include "shared/log.h"
#include "spheres/result_table.h"

namespace {

using namespace ombrix;

// The procedure asked for; with none, the one the window would start on, and the line saying so.
HullProcedure chosen_hull_procedure(const std::optional<HullProcedure>& asked, Log& log) {
  if (asked) return *asked;
  const bool external_found = external_hull_program_present();
  log.log_message(external_hull_presence_line(external_found), Stamp::kPlain);
  return default_hull_procedure(external_found);
}

// Draws what the run built; a model that can no longer be read is said and left out.
bool write_run_picture(const std::string& path, const RunProduct& product, const ResultList& results,
                       const Fields& fields, std::span<const std::string> inputs) {
  std::vector<std::string> faults;
  PictureScene scene = scene_of_run(product, results, faults);
  for (const std::string& fault : faults) std::cerr << "ombrix-cli: " << fault << '\n';
  scene.hull_file = std::filesystem::path(fields.field_text(Field::kOutputFile)).filename().string();
  return write_scene_picture(scene, path, inputs);
}

// What was printed must have reached the standard output: a full disk or a closed file there
// turns a success into a failure, said on the standard error stream.
int with_output_checked(int status) {
  std::cout.flush();
  if (std::cout) return status;
  std::cerr << "ombrix-cli: can't write to the standard output\n";
  return status == 0 ? 1 : status;
}

}  // namespace

int main(int argc, char** argv) {
  CliOptions options;
  if (const auto status = parse_command_line(argc, argv, options)) return with_output_checked(*status);
  if (options.command) return with_output_checked(options.command());

  // One line at a time, flushed, so a long run shows its progress as it goes.
  LineLog log([](const std::string& line) { std::cout << line << '\n' << std::flush; });
  const HullProcedure procedure = chosen_hull_procedure(options.hull, log);
  const HullMaker hull{hull_builder(procedure), hull_tolerance(procedure)};

  ResultList results;
  RunProduct product;
  const RunOutcome outcome = run_pipeline(options.fields, log, hull, results, &product, options.settings_read);

  std::vector<std::string> inputs = run_input_paths(options.fields);
  inputs.insert(inputs.end(), options.settings_read.begin(), options.settings_read.end());
  bool table_written = true;
  if (options.table_path) table_written = write_table(*options.table_path, result_table_text(results), inputs);
  bool picture_written = true;
  if (options.picture_path) {
    picture_written = outcome == RunOutcome::kWritten &&
                      write_run_picture(*options.picture_path, product, results, options.fields, inputs);
    if (outcome != RunOutcome::kWritten) std::cerr << "ombrix-cli: no picture: the run wrote no hull file\n";
  }
  return with_output_checked(outcome == RunOutcome::kWritten && table_written && picture_written ? 0 : 1);
}
