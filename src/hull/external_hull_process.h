// One run of the external hull program: input in, output back, within a time limit.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace ombrix {

struct ProgramRun {
  bool started = false;           // false: the program could not be started (missing, not executable)
  bool finished_in_time = false;  // false: it was ended at the time limit, `output` is empty
  std::string output;             // everything it wrote to its standard output
};

// Starts `program` with the single argument `argument` in the current directory, writes `input`
// to its standard input in one piece and closes it, then waits for the program to end, at most
// `time_limit` from then on; a program still running then is killed. Its standard error is
// passed through to the tool's own, unread; its exit status is not examined.
//
// Blocks the calling thread throughout: needs no running event loop and no QCoreApplication.
ProgramRun run_program(const std::filesystem::path& program, const std::string& argument,
                       const std::string& input, std::chrono::milliseconds time_limit);

}  // namespace ombrix
