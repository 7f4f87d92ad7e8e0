// `ombrix-cli inspect FILE.hul [--model MODEL.prm] [--json] [--strict]`: what a hull file holds and what
// is wrong with it.
#pragma once

#include "cli/cli_command.h"

namespace ombrix {

// Exit status of the command: 0 no errors, 1 errors (or warnings with --strict), 2 the file (or the
// model) cannot be read.
CliCommand add_inspect_command(CLI::App& app);

}  // namespace ombrix
