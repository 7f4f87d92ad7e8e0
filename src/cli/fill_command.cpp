#include "cli/fill_command.h"

#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/field_options.h"
#include "cli/output_file.h"
#include "cli/table_output.h"
#include "hulfile/fill_hul_spheres.h"
#include "shared/log.h"
#include "spheres/result_table.h"

namespace ombrix {

namespace {

struct FillOptions {
  std::string path;
  std::map<Field, std::string> fields;
  OutputChoice output;
  std::optional<std::string> table;
};

void say(const std::string& line) { std::cerr << "ombrix-cli: " << line << '\n'; }

std::string listed(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

int run_fill(const FillOptions& options) {
  const FieldValues fields(options.fields);
  std::optional<CollisionData> data = read_hull_to_change(options.path);
  if (!data) return 2;
  if (data->volumes.empty()) {
    say("can't fill " + options.path + ": it holds no hull; nothing written");
    return 1;
  }
  if (output_is_refused_input(options.path, options.output)) return 1;  // before the log of a filling

  LineLog log([](const std::string& line) { std::cout << line << '\n' << std::flush; });
  ResultList results;
  const HulFilling filling = fill_hul_spheres(*data, fields, log, results);
  for (const std::string& line : filling.skipped) say(line);
  for (const std::string& line : filling.replaced) say(line);
  for (const std::string& line : filling.short_of_room) say(line);
  if (filling.filled == 0) {
    say("can't fill " + options.path + ": no hull could be filled; nothing written");
    return 1;
  }
  if (!filling.refused.empty()) {
    say("no spheres for " + listed(filling.refused) + " (the line above says why); nothing written");
    return 1;
  }
  if (filling.spheres.empty()) {
    say("can't fill " + options.path + ": no hull has room for a sphere; nothing written");
    return 1;
  }
  data->spheres = filling.spheres;
  const int status = write_output_file(*data, options.path, options.output);
  const bool table_written =
      !options.table || write_table(*options.table, result_table_text(results), std::span(&options.path, 1));
  return status == 0 && table_written ? 0 : 1;
}

}  // namespace

CliCommand add_fill_command(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "fill",
      "Fill the hulls of any hull file with new collision spheres, as a run fills the hulls it computes; "
      "the hulls are written back byte for byte, only the spheres change.");
  auto options = std::make_shared<FillOptions>();
  // An option not given keeps its field's default.
  options->fields = default_field_texts(false);
  command->add_option("FILE", options->path, "The hull file (.hul) to read.")->required()->type_name("FILE.hul");
  for (const Field field : kSphereFields) add_field_option(*command, field, options->fields[field]);
  add_output_options(*command, options->output);
  command
      ->add_option_function<std::string>(
          "--table", [options](const std::string& path) { options->table = path; },
          "Write the sphere table (tab-separated, one row per sphere) to FILE; \"-\" prints it after the log.")
      ->type_name("FILE");
  return {command, [options] { return run_fill(*options); }};
}

}  // namespace ombrix
