#include "cli/table_output.h"

#include <iostream>

#include "cli/output_file.h"

namespace ombrix {

bool write_table(const std::string& path, const std::string& table, std::span<const std::string> inputs) {
  if (path == "-") {
    std::cout << table << std::flush;
    return true;
  }
  return write_command_file(path, table, inputs, "the table");
}

}  // namespace ombrix
