// What one stage of the benchmark measures on one model, and how it is timed.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "model/mesh_vertex.h"
#include "shared/fields.h"

namespace ombrix::bench {

// The options of the command line that stages may read; a stage ignores what it does not use.
struct BenchSettings {
  std::optional<std::string> grid;                     // sphere grid resolution text, as the window's field
  std::optional<std::string> samples;                  // sphere sampling resolution text
  std::optional<std::string> spheres;                  // target number of spheres text, for the work timing
  std::optional<std::string> overshoot;                // overshoot text, for the work timing
  std::filesystem::path qconvex = "/usr/bin/qconvex";  // the external program, for the exact stage
};

struct StageResult {
  double literal_seconds = 0.0;
  double fast_seconds = 0.0;
  bool identical = false;  // every output bit and log line the same
};

// Runs a stage's literal and fast forms on one model's vertices and compares them.
using Stage = std::function<StageResult(const VertexList& vertices, const BenchSettings& settings)>;

// The processor seconds the program has used so far: what other programs on a busy machine do
// not inflate.
double processor_seconds();

// Wall-clock seconds that `work` takes.
double seconds_of(const std::function<void()>& work);

// The fast form's time: the median of several runs, so one descheduling does not count.
double median_seconds_of(const std::function<void()>& work, int runs);

// The processor seconds `work` takes, the median of several runs.
double median_processor_seconds_of(const std::function<void()>& work, int runs);

struct RunSeconds {
  double processor = 0.0;
  double clock = 0.0;
};

// A whole run of the model at `path` with `fields` (the folder, input and output set here) and the
// tool's own hull procedure, writing into the scratch folder `scratch_name` under the temporary
// folder: the median processor and clock seconds of `runs` runs.
RunSeconds time_whole_run(FieldValues fields, const std::string& path, const std::string& scratch_name, int runs);

}  // namespace ombrix::bench
