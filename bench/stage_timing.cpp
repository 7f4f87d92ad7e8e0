#include "stage_timing.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

#include "hull/hull_procedure.h"
#include "pipeline/run_pipeline.h"
#include "shared/recording_log.h"

namespace ombrix::bench {

double processor_seconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

double seconds_of(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median_seconds_of(const std::function<void()>& work, int runs) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) times.push_back(seconds_of(work));
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[static_cast<size_t>(runs / 2)];
}

double median_processor_seconds_of(const std::function<void()>& work, int runs) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const double start = processor_seconds();
    work();
    times.push_back(processor_seconds() - start);
  }
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[static_cast<size_t>(runs / 2)];
}

RunSeconds time_whole_run(FieldValues fields, const std::string& path, const std::string& scratch_name, int runs) {
  const std::filesystem::path scratch = std::filesystem::temp_directory_path() / scratch_name;
  std::filesystem::create_directories(scratch);
  const std::filesystem::path model = std::filesystem::absolute(path);
  fields.set(Field::kWorkingDir, model.parent_path().string());
  fields.set(Field::kInputFiles, model.filename().string());
  fields.set(Field::kOutputFile, (scratch / "run.hul").string());
  const HullMaker own{hull_builder(HullProcedure::kOwn), hull_tolerance(HullProcedure::kOwn)};
  const auto run = [&] {
    RecordingLog log;
    ResultList results;
    run_pipeline(fields, log, own, results);
  };
  const RunSeconds seconds{median_processor_seconds_of(run, runs), median_seconds_of(run, runs)};
  std::filesystem::remove_all(scratch);
  return seconds;
}

}  // namespace ombrix::bench
