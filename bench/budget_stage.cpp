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
  const FieldValues fields({{Field::kTargetSpheres, "11"},
                            {Field::kGridResolution, "7.0"},
                            {Field::kSampleResolution, "21.0"},
                            {Field::kOvershoot, "0.0"},
                            {Field::kMaxPlanes, std::to_string(first)}});
  const RunSeconds run = time_whole_run(fields, path, "ombrix-bench-budget", kRuns);
  timing.run_seconds = run.processor;
  timing.run_wall_seconds = run.clock;
  return timing;
}

}  // namespace ombrix::bench
