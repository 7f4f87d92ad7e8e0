#include "cli/output_file.h"

#include <iostream>
#include <optional>
#include <utility>
#include <vector>

#include "hulfile/hul_file.h"
#include "hulfile/hul_file_reader.h"
#include "hulfile/model_instead_of_hull.h"

namespace ombrix {

namespace {

void print_cannot_write(const std::string& path, const FileWrite& write, std::string_view what) {
  std::cerr << "ombrix-cli: can't write ";
  if (!what.empty()) std::cerr << what << " to ";
  std::cerr << path;
  if (!write.reason.empty()) std::cerr << " (" << write.reason << ')';
  std::cerr << '\n';
}

}  // namespace

void add_output_options(CLI::App& command, OutputChoice& output) {
  command.add_option("--output", output.path, "The hull file to write (whole or not at all).")
      ->required()
      ->type_name("FILE");
  command.add_flag("--overwrite", output.overwrite,
                   "Allow --output to be the input file itself: without it, that is refused.");
}

namespace {

void print_is_the_input(const OutputChoice& output) {
  std::cerr << "ombrix-cli: " << output.path << " is the input file; give --overwrite to replace it\n";
}

}  // namespace

std::optional<CollisionData> read_hull_to_change(const std::string& path) {
  HulReading reading = read_hul_file(path);
  if (const auto model_file = model_instead_of_hull(path, reading)) {
    std::cerr << "ombrix-cli: " << *model_file << "; nothing written\n";
    return std::nullopt;
  }
  if (!reading.fault.empty()) {
    std::cerr << "ombrix-cli: can't read " << path << ": " << reading.fault << "; nothing written\n";
    return std::nullopt;
  }
  return std::move(reading.data);
}

bool output_is_refused_input(const std::string& input, const OutputChoice& output) {
  const std::string inputs[] = {input};
  if (output.overwrite || !input_at(output.path, inputs)) return false;
  print_is_the_input(output);
  return true;
}

int write_output_file(const CollisionData& data, const std::string& input, const OutputChoice& output) {
  const std::optional<std::string> bytes = hul_file_bytes(data);
  if (!bytes) {
    std::cerr << "ombrix-cli: can't write " << output.path << " (more than 32767 of a record)\n";
    return 1;
  }
  std::vector<std::string> inputs;
  if (!output.overwrite) inputs.push_back(input);
  const FileWrite write = write_whole_file(output.path, *bytes, inputs);
  switch (write.outcome) {
    case WriteOutcome::kWritten:
      return 0;
    case WriteOutcome::kIsAnInput:
      print_is_the_input(output);
      return 1;
    case WriteOutcome::kCannotWrite:
      break;
  }
  print_cannot_write(output.path, write, "");
  return 1;
}

bool write_command_file(const std::string& path, std::string_view bytes, std::span<const std::string> inputs,
                        std::string_view what) {
  const FileWrite write = write_whole_file(path, bytes, inputs);
  switch (write.outcome) {
    case WriteOutcome::kWritten:
      return true;
    case WriteOutcome::kIsAnInput:
      std::cerr << "ombrix-cli: " << path << " is the input file";
      if (write.input != path) std::cerr << ' ' << write.input;
      std::cerr << "; " << what << " is not written over it\n";
      return false;
    case WriteOutcome::kCannotWrite:
      break;
  }
  print_cannot_write(path, write, what);
  return false;
}

}  // namespace ombrix
