#include "hull/external/external_hull.h"

#include <system_error>

#include "hull/external/external_hull_input.h"
#include "hull/external/external_hull_output.h"
#include "hull/external/external_hull_process.h"

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

std::string external_hull_presence_line(bool present) {
  // Built piece by piece: GCC 12 misreports a "'" + std::string concatenation.
  std::string line = "'";
  line += external_hull_program_name();
  line += present ? "' found. It will be used to compute Hull." : "' not found. Internal Hull procedure will be used.";
  return line;
}

void build_external_hull_using(const ExternalHullProgram& program, std::vector<Plane>& planes,
                               std::span<const MeshVertex> vertices, Log& log) {
  const std::string name = external_hull_program_name();
  const ProgramRun run =
      run_program(program.path, "n", external_hull_input_text(vertices), program.time_limit, program.output_limit);
  switch (run.end) {
    case ProgramEnd::kNotStarted:
      log.log_message("Can't start " + name + ".", Stamp::kStamped);
      return;
    case ProgramEnd::kFinished:
      append_output_planes(planes, split_output_lines(run.output));
      break;
    case ProgramEnd::kTimedOut:
      log.log_message("    " + name + " did not finish in time: its output is ignored.", Stamp::kStamped);
      break;
    case ProgramEnd::kTooMuchOutput:  // not a hull's output: no planes, as for any other
      break;
  }
  log.log_message(plane_count_line(planes.size()), Stamp::kStamped);
}

void build_external_hull(std::vector<Plane>& planes, std::span<const MeshVertex> vertices, Log& log) {
  build_external_hull_using(ExternalHullProgram{}, planes, vertices, log);
}

}  // namespace ombrix
