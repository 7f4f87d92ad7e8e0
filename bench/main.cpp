// ombrix-bench MODEL...: times each stage's literal and fast forms on every model, one line per
// model and stage: "stage model vertices literal_s fast_s ratio identical". With --work, times
// the tool's sphere stage against its work estimate instead: "model vertices grid samples spheres
// overshoot work processor_s placed".
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <CLI/CLI.hpp>

#include "hull_stage.h"
#include "sphere_stage.h"
#include "sphere_work_timing.h"
#include "model/model_file.h"
#include "shared/number_text.h"
#include "reference/recording_log.h"

namespace {

using namespace ombrix;
using namespace ombrix::bench;

// In the order a run calls them.
const std::vector<std::pair<std::string, Stage>> kStages = {
    {"hull", run_hull_stage},
    {"spheres", run_sphere_stage},
};

std::string result_line(const std::string& stage, const std::string& model, size_t vertices,
                        const StageResult& result) {
  const double ratio = result.fast_seconds > 0.0 ? result.literal_seconds / result.fast_seconds : 0.0;
  return stage + " " + model + " " + std::to_string(vertices) + " " + format_fixed(result.literal_seconds, 3) +
         " " + format_fixed(result.fast_seconds, 4) + " " + format_fixed(ratio, 1) + " " +
         (result.identical ? "yes" : "NO");
}

// One line of the work timing, or the model's name and "refused" when its grids are too large.
std::string work_line(const std::string& model, size_t vertices, const BenchSettings& settings,
                      const std::optional<WorkTiming>& timing) {
  std::string line = model + " " + std::to_string(vertices) + " " + settings.grid.value_or("7.0") + " " +
                     settings.samples.value_or("21.0") + " " + settings.spheres.value_or("11") + " " +
                     settings.overshoot.value_or("0.0") + " ";
  if (!timing) return line + "refused";
  char work[32];
  std::snprintf(work, sizeof work, "%.3g", timing->work);
  return line + work + " " + format_fixed(timing->processor_seconds, 2) + " " + std::to_string(timing->spheres);
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Times the literal and the fast form of each stage on each model file."};
  std::vector<std::string> models;
  BenchSettings settings;
  app.add_option("MODEL", models, "model files (.prm or .m)")->required();
  app.add_option("--grid", settings.grid, "sphere grid resolution, for the sphere stage");
  app.add_option("--samples", settings.samples, "sphere sampling resolution, for the sphere stage");
  app.add_option("--spheres", settings.spheres, "target number of spheres, for --work");
  app.add_option("--overshoot", settings.overshoot, "overshoot in percent, for --work");
  bool work = false;
  app.add_flag("--work", work, "time the tool's sphere stage against its work estimate, past the bound too");
  CLI11_PARSE(app, argc, argv);

#ifndef NDEBUG
  std::cerr << "ombrix-bench: built without NDEBUG; the figures of a Debug build mean little\n";
#endif
  bool all_identical = true;
  std::cout << (work ? "model vertices grid samples spheres overshoot work processor_s placed\n"
                     : "stage model vertices literal_s fast_s ratio identical\n")
            << std::flush;
  for (const std::string& model : models) {
    VertexList vertices;
    reference::RecordingLog reader_log;
    if (!read_model_file(model, vertices, reader_log)) {
      for (const std::string& text : reader_log.texts()) std::cerr << text << '\n';
      all_identical = false;
      continue;
    }
    if (work) {
      std::cout << work_line(model, vertices.size(), settings, time_sphere_work(vertices, settings)) << '\n'
                << std::flush;
      continue;
    }
    for (const auto& [name, stage] : kStages) {
      const StageResult result = stage(vertices, settings);
      all_identical = all_identical && result.identical;
      std::cout << result_line(name, model, vertices.size(), result) << '\n' << std::flush;
    }
  }
  return all_identical ? 0 : 1;
}
