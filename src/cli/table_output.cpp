#include "cli/table_output.h"

#include <fstream>
#include <iostream>

namespace ombrix {

bool write_table(const std::string& path, const std::string& table) {
  if (path == "-") {
    std::cout << table << std::flush;
    return true;
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << table;
  file.close();
  if (!file) std::cerr << "ombrix-cli: can't write the table to " << path << '\n';
  return static_cast<bool>(file);
}

}  // namespace ombrix
