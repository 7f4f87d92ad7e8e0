// One run of the external hull program: input in, output back, within a time and a size limit.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>

namespace ombrix {

// How a run of the program ended.
enum class ProgramEnd {
  kNotStarted,     // it could not be started (missing, not executable)
  kFinished,       // it ended by itself within the limits
  kTimedOut,       // it was still running at the time limit and was killed
  kTooMuchOutput,  // it printed more than the output limit and was killed
};

struct ProgramRun {
  ProgramEnd end = ProgramEnd::kNotStarted;
  std::string output;  // everything it wrote to its standard output; empty unless kFinished
};

// Starts `program` with the single argument `argument` in the current directory, writes `input`
// to its standard input in one piece and closes it, then waits for the program to end, at most
// `time_limit` from then on. A program still running then, or one that has printed more than
// `output_limit` bytes, is killed at once, so neither its time nor its output is unbounded. Its
// standard error is passed through to the tool's own, unread; its exit status is not examined.
//
// Blocks the calling thread throughout: needs no running event loop and no QCoreApplication.
ProgramRun run_program(const std::filesystem::path& program, const std::string& argument, const std::string& input,
                       std::chrono::milliseconds time_limit, std::size_t output_limit);

}  // namespace ombrix
