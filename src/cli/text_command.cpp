#include "cli/text_command.h"

#include <iostream>
#include <memory>
#include <string>

#include "hulfile/hul_file_reader.h"
#include "hulfile/hul_text.h"
#include "hulfile/model_instead_of_hull.h"

namespace ombrix {

CliCommand add_text_command(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "text", "Print a hull file as text, one record a line, that `hul` turns back into the same bytes.");
  auto path = std::make_shared<std::string>();
  command->add_option("FILE", *path, "The hull file (.hul).")->required()->type_name("FILE.hul");
  return {command, [path] {
            const HulReading reading = read_hul_file(*path);
            if (const auto model_file = model_instead_of_hull(*path, reading)) {
              std::cerr << "ombrix-cli: " << *model_file << '\n';
              return 2;
            }
            if (!reading.fault.empty()) {
              std::cerr << "ombrix-cli: can't read " << *path << ": " << reading.fault << '\n';
              return 2;
            }
            std::cout << hul_text(reading.data) << std::flush;
            return 0;
          }};
}

}  // namespace ombrix
