// Programs run as users run them: from a folder, with a command line, their output caught.
#pragma once

#include <filesystem>
#include <string>

namespace ombrix::testing {

struct ProgramRun {
  int status = -1;  // the exit status, -1 when the program did not exit normally
  std::string out;  // standard output, and standard error with it unless left out
};

// Runs `program` with `arguments` (shell words) from `directory`, standard error folded into the
// output unless `errors` is false.
ProgramRun run_program(const std::string& program, const std::filesystem::path& directory, const std::string& arguments,
                       bool errors = true);

}  // namespace ombrix::testing
