// `ombrix-cli simplify FILE.hul --planes N --output OUT.hul`: the plane budget for any hull file.
#pragma once

#include "cli/cli_command.h"

namespace ombrix {

CliCommand add_simplify_command(CLI::App& app);

}  // namespace ombrix
