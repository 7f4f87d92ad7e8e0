// Where the subcommands write a hull file: whole or not at all, and never over their own input
// unless the user asks for it.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "record/collision_data.h"

namespace ombrix {

struct OutputChoice {
  std::string path;
  bool overwrite = false;  // the user allows the output to be the input file
};

// Adds the required "--output FILE" and the "--overwrite" flag to `command`.
void add_output_options(CLI::App& command, OutputChoice& output);

// Writes `data` to the chosen output through write_hul_file (a temporary file renamed over the
// target). Refuses, writing nothing, when the output is the file `input` names (the same file
// by any path, links included) and --overwrite was not given. Prints why it wrote nothing on the
// standard error stream. Returns the exit status: 0 written, 1 not.
int write_output_file(const CollisionData& data, const std::string& input, const OutputChoice& output);

}  // namespace ombrix
