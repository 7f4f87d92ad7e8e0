// The command line of ombrix-cli: window field texts given as options.
#pragma once

#include <functional>
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

// Parses the command line into `options`. Returns an exit status when the program should stop
// at once: 0 after --help, 2 after a bad command line (the message has been printed).
std::optional<int> parse_command_line(int argc, char** argv, CliOptions& options);

}  // namespace ombrix
