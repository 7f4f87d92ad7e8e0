// The benchmark's budget stage: what the plane budget costs in volume against the plain greedy
// that drops whole planes, and how long it and a whole run with a budget take.
#pragma once

#include <string>
#include <vector>

#include "model/mesh_vertex.h"

namespace ombrix::bench {

// The budgets the stage measures, as the hidden pack check asks for them.
inline constexpr size_t kBenchBudgets[] = {40, 20, 12};

struct BudgetPoint {
  size_t planes = 0;            // the budgeted hull's planes
  double added_percent = 0.0;   // its volume beyond the exact hull's, in percent of that
  double greedy_percent = 0.0;  // the same for the plain greedy's hull (reference/)
};

struct BudgetTiming {
  size_t exact_planes = 0;           // the exact procedure's planes
  std::vector<BudgetPoint> budgets;  // one per kBenchBudgets
  // Processor seconds, which a busy machine does not inflate, each the median of three:
  double budget_seconds = 0.0;    // budget_hull at the first budget
  double run_seconds = 0.0;       // a whole default run with the own procedure and the first
                                  // budget (reading, hull, budget, spheres, file)
  double run_wall_seconds = 0.0;  // the same run on the clock
  double greedy_seconds = 0.0;    // the greedy to the first budget, once, on the clock
  bool never_worse = true;        // no budget enclosed more than the greedy's, beyond rounding
};

// Measures the model at `path` (its `vertices` read already) with the exact procedure: the
// budgeted hulls and the greedy's at every budget, then the times.
BudgetTiming time_budget(const std::string& path, const VertexList& vertices);

}  // namespace ombrix::bench
