#include "cli/hul_command.h"

#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/output_file.h"
#include "hulfile/hul_text_reader.h"
#include "shared/file_bytes.h"

namespace ombrix {

namespace {

struct HulOptions {
  std::string text_path;
  OutputChoice output;
};

int run_hul(const HulOptions& options) {
  std::string fault;
  const std::optional<std::string> text = read_file_bytes(options.text_path, fault);
  if (!text) {
    std::cerr << "ombrix-cli: can't read " << options.text_path << ": " << fault << '\n';
    return 2;
  }
  const HulTextReading reading = read_hul_text(*text);
  if (!reading.fault.empty()) {
    std::cerr << "ombrix-cli: " << options.text_path << ": " << reading.fault << "; nothing written\n";
    return 2;
  }
  return write_output_file(reading.data, options.text_path, options.output);
}

}  // namespace

CliCommand add_hul_command(CLI::App& app) {
  CLI::App* command = app.add_subcommand("hul", "Turn a text made by `text` (edited or not) into a hull file.");
  auto options = std::make_shared<HulOptions>();
  command->add_option("TEXT_FILE", options->text_path, "The text to read.")->required()->type_name("TEXT_FILE");
  add_output_options(*command, options->output);
  return {command, [options] { return run_hul(*options); }};
}

}  // namespace ombrix
