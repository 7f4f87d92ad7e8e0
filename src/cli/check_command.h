// `ombrix-cli check PATH [--json] [--strict] [--jobs N]`: every car of a pack checked at once.
#pragma once

#include "cli/cli_command.h"

namespace ombrix {

// Exit status: 0 no car with an error (nor, with --strict, a warning), 1 otherwise, 2 when PATH
// cannot be read.
CliCommand add_check_command(CLI::App& app);

}  // namespace ombrix
