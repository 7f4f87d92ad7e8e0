// `ombrix-cli hul TEXT_FILE --output FILE.hul`: turns a hull file text back into a hull file.
#pragma once

#include "cli/cli_command.h"

namespace ombrix {

CliCommand add_hul_command(CLI::App& app);

}  // namespace ombrix
