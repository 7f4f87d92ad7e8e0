// Where the subcommands write a hull file: whole or not at all, and never over their own input
// unless the user asks for it; and the lines that say why a file was not written.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "record/collision_data.h"
#include "shared/write_file.h"

namespace ombrix {

struct OutputChoice {
  std::string path;
  bool overwrite = false;  // the user allows the output to be the input file
};

// Adds the required "--output FILE" and the "--overwrite" flag to `command`.
void add_output_options(CLI::App& command, OutputChoice& output);

// The hull file at `path` that a command changes and writes anew. Nothing, with a line on the
// standard error stream ending "; nothing written", when it is a model file or cannot be read
// whole: the command's exit status is then 2.
std::optional<CollisionData> read_hull_to_change(const std::string& path);

// Whether the chosen output is the file `input` names (by any path, links included) and
// --overwrite was not given; then says so on the standard error stream, as write_output_file
// does, so that a command can refuse before its work.
bool output_is_refused_input(const std::string& input, const OutputChoice& output);

// Writes `data` to the chosen output through write_whole_file. Refuses, writing nothing, when the
// output is the file `input` names (the same file by any path, links included) and --overwrite
// was not given. Prints why it wrote nothing on the standard error stream. Returns the exit
// status: 0 written, 1 not.
int write_output_file(const CollisionData& data, const std::string& input, const OutputChoice& output);

// Writes `bytes` to `path` through write_whole_file, never over one of `inputs`; when it cannot,
// prints "ombrix-cli: can't write <what> to <path>" (with the reason when there is one) or
// "ombrix-cli: <path> is the input file <input>; <what> is not written over it" on the standard
// error stream. Returns whether it was written.
bool write_command_file(const std::string& path, std::string_view bytes, std::span<const std::string> inputs,
                        std::string_view what);

}  // namespace ombrix
