#include "hull/external_hull.h"

#include <system_error>

namespace ombrix {

std::string external_hull_program_name() {
#if defined(_WIN32)
  return "qconvex.exe";
#else
  return "qconvex";
#endif
}

bool external_hull_program_present(const std::filesystem::path& directory) {
  const std::filesystem::path program = directory / external_hull_program_name();
  std::error_code error;
  if (!std::filesystem::is_regular_file(program, error)) return false;
  const auto size = std::filesystem::file_size(program, error);
  return !error && size > 0;
}

void build_external_hull(std::vector<Plane>&, std::span<const MeshVertex>, Log& log) {
  log.log_message("Can't start " + external_hull_program_name() + ".", true);
}

}  // namespace ombrix
