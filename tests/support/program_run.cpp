#include "support/program_run.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace ombrix::testing {

ProgramRun run_program(const std::string& program, const std::filesystem::path& directory, const std::string& arguments,
                       bool errors) {
  const std::string command =
      "cd '" + directory.string() + "' && '" + program + "' " + arguments + (errors ? " 2>&1" : "");
  ProgramRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer{};
  size_t read = 0;
  while ((read = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), read);
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

}  // namespace ombrix::testing
