// `ombrix-cli fill FILE.hul --output OUT.hul`: new spheres for the hulls of any hull file.
#pragma once

#include "cli/cli_command.h"

namespace ombrix {

CliCommand add_fill_command(CLI::App& app);

}  // namespace ombrix
