// The command line of ombrix-cli: window field texts given as options.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "hull/hull_procedure.h"
#include "shared/fields.h"

namespace ombrix {

struct CliOptions {
  FieldValues fields;                     // the texts a run reads, defaults filled in
  std::optional<HullProcedure> hull;      // nothing for auto: the window's default at start-up
  std::optional<std::string> table_path;  // "-" for standard output
  std::optional<std::string> picture_path;
  std::vector<std::string> settings_read;  // the settings file, when the run's defaults came from it
  std::function<int()> command;            // a subcommand chosen instead of a run: gives the exit status
};

// The run's sphere, plane and hull options (--spheres, --grid, --samples, --overshoot, --planes,
// --hull) on a subcommand that runs the tool: the texts given land in `given` (which must outlive
// the parsing), the hull's word in `hull_word`.
void add_shape_options(CLI::App& command, std::map<Field, std::string>& given, std::string& hull_word);

// The fields of a run: the shape options `given`, the defaults for the rest.
FieldValues shape_fields(const std::map<Field, std::string>& given);

// The procedure a --hull word names; nothing for "auto".
std::optional<HullProcedure> hull_procedure_of_word(const std::string& word);

// Parses the command line into `options`. Returns an exit status when the program should stop
// at once: 0 after --help, 2 after a bad command line (the message has been printed).
std::optional<int> parse_command_line(int argc, char** argv, CliOptions& options);

}  // namespace ombrix
