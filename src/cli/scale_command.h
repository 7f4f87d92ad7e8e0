// `ombrix-cli scale FILE.hul FACTOR --output OUT.hul`: resizes a hull file about the origin.
#pragma once

#include "cli/cli_command.h"

namespace ombrix {

CliCommand add_scale_command(CLI::App& app);

}  // namespace ombrix
