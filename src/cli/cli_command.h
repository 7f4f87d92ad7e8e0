// A subcommand of ombrix-cli beside the run: its place on the command line and what it does.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <vector>

namespace ombrix {

struct CliCommand {
  CLI::App* subcommand = nullptr;
  std::function<int()> run;  // does the work once the command line is parsed; gives the exit status
};

// Adds each subcommand to `app`: inspect, text, hul, scale, simplify, fill, picture and check.
std::vector<CliCommand> add_subcommands(CLI::App& app);

}  // namespace ombrix
