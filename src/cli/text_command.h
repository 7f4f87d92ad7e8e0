// `ombrix-cli text FILE.hul`: prints a hull file as text a person can read and edit.
#pragma once

#include "cli/cli_command.h"

namespace ombrix {

CliCommand add_text_command(CLI::App& app);

}  // namespace ombrix
