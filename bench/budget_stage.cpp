#include "budget_stage.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>

#include "hull/budget/plane_budget.h"
#include "hull/hull_procedure.h"
#include "hull/qhull/exact_procedure.h"
#include "pipeline/run_pipeline.h"
#include "reference/drop_whole_planes.h"
#include "shared/recording_log.h"
#include "stage_timing.h"

namespace ombrix::bench {

namespace {

constexpr int kRuns = 3;
// Volumes are measured two ways (the budget's polytopes, the greedy's Qhull solid with corners
// in single precision): they agree to about this much.
constexpr double kVolumeAgreement = 1e-6;

double percent_beyond(double volume, double exact_volume) { return (volume / exact_volume - 1.0) * 100.0; }

// The median of `runs` of `work`, in processor seconds.
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

// Times a whole default run of the model with the tool's own procedure and `budget`, writing into
// a scratch folder.
void time_whole_run(const std::string& path, size_t budget, BudgetTiming& timing) {
  const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "ombrix-bench-budget";
  std::filesystem::create_directories(scratch);
  const std::filesystem::path model = std::filesystem::absolute(path);
  FieldValues fields({{Field::kWorkingDir, model.parent_path().string()},
                      {Field::kInputFiles, model.filename().string()},
                      {Field::kTargetSpheres, "11"},
                      {Field::kGridResolution, "7.0"},
                      {Field::kSampleResolution, "21.0"},
                      {Field::kOvershoot, "0.0"},
                      {Field::kMaxPlanes, std::to_string(budget)}});
  // The output name is joined to the working directory as text: a relative path from there.
  fields.set(Field::kOutputFile, std::filesystem::relative(scratch / "budget.hul", model.parent_path()).string());
  const HullMaker own{hull_builder(HullProcedure::kOwn), hull_tolerance(HullProcedure::kOwn)};
  const auto run = [&] {
    RecordingLog log;
    ResultList results;
    run_pipeline(fields, log, own, results);
  };
  timing.run_seconds = median_processor_seconds_of(run, kRuns);
  timing.run_wall_seconds = median_seconds_of(run, kRuns);
  std::filesystem::remove_all(scratch);
}

}  // namespace

BudgetTiming time_budget(const std::string& path, const VertexList& vertices) {
  BudgetTiming timing;
  std::vector<Plane> exact;
  RecordingLog log;
  build_exact_hull(exact, vertices, log);
  timing.exact_planes = exact.size();
  std::vector<Vector> points;
  for (const MeshVertex& vertex : vertices) points.push_back(vertex.position);

  for (const size_t budget : kBenchBudgets) {
    const std::optional<BudgetedHull> budgeted = budget_hull(points, budget, 0.0);
    if (!budgeted) continue;
    reference::DroppedHull dropped;
    const double greedy_seconds = seconds_of([&] { dropped = reference::drop_whole_planes(exact, budget); });
    if (budget == kBenchBudgets[0]) timing.greedy_seconds = greedy_seconds;
    timing.budgets.push_back({budgeted->planes.size(), percent_beyond(budgeted->volume, budgeted->exact_volume),
                              percent_beyond(dropped.volume, budgeted->exact_volume)});
    if (dropped.planes.size() <= budget && budgeted->volume > dropped.volume * (1.0 + kVolumeAgreement)) {
      timing.never_worse = false;
    }
  }
  const size_t first = kBenchBudgets[0];
  timing.budget_seconds = median_processor_seconds_of([&] { budget_hull(points, first, 0.0); }, kRuns);
  time_whole_run(path, first, timing);
  return timing;
}

}  // namespace ombrix::bench
