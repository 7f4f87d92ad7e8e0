#include "cli/check_command.h"
#include "cli/cli_command.h"
#include "cli/fill_command.h"
#include "cli/hul_command.h"
#include "cli/inspect_command.h"
#include "cli/picture_command.h"
#include "cli/scale_command.h"
#include "cli/simplify_command.h"
#include "cli/text_command.h"

namespace ombrix {

std::vector<CliCommand> add_subcommands(CLI::App& app) {
  return {add_inspect_command(app),  add_text_command(app), add_hul_command(app),     add_scale_command(app),
          add_simplify_command(app), add_fill_command(app), add_picture_command(app), add_check_command(app)};
}

}  // namespace ombrix
