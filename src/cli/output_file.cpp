#include "cli/output_file.h"

#include <filesystem>
#include <iostream>
#include <system_error>

#include "hulfile/hul_file.h"

namespace ombrix {

void add_output_options(CLI::App& command, OutputChoice& output) {
  command.add_option("--output", output.path, "The hull file to write (whole or not at all).")
      ->required()
      ->type_name("FILE");
  command.add_flag("--overwrite", output.overwrite,
                   "Allow --output to be the input file itself: without it, that is refused.");
}

int write_output_file(const CollisionData& data, const std::string& input, const OutputChoice& output) {
  std::error_code error;
  if (!output.overwrite && std::filesystem::equivalent(input, output.path, error)) {
    std::cerr << "ombrix-cli: " << output.path << " is the input file; give --overwrite to replace it\n";
    return 1;
  }
  switch (write_hul_file(output.path, data)) {
    case HulWriteResult::kWritten:
      return 0;
    case HulWriteResult::kTooLarge:
      std::cerr << "ombrix-cli: can't write " << output.path << " (more than 32767 of a record)\n";
      return 1;
    case HulWriteResult::kCannotWrite:
      break;
  }
  std::cerr << "ombrix-cli: can't write " << output.path << '\n';
  return 1;
}

}  // namespace ombrix
