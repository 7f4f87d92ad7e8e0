// The benchmark's refine stage: how much more of a hull the refined spheres cover than the
// greedy's, and what the refinement costs.
#pragma once

#include <string>
#include <vector>

#include "model/mesh_vertex.h"

namespace ombrix::bench {

// The sphere counts the stage measures at.
inline constexpr size_t kRefineSphereCounts[] = {11, 20};

struct RefinePoint {
  size_t spheres = 0;
  // Covered share of the hull in percent, on the run's own sample points and on a finer grid of
  // its own (three times as fine, offset from the samples by half its spacing).
  double greedy_percent = 0.0;
  double refined_percent = 0.0;
  double fine_greedy_percent = 0.0;
  double fine_refined_percent = 0.0;
  // The sphere filling alone, on the clock, the median of three.
  double greedy_seconds = 0.0;
  double refined_seconds = 0.0;
};

struct RefineTiming {
  std::vector<RefinePoint> points;  // one per kRefineSphereCounts
  size_t spheres_to_match = 0;      // the fewest refined spheres covering as much as 11 greedy ones
  double run_seconds = 0.0;         // a whole default run with the refined placement, processor seconds
  double run_wall_seconds = 0.0;    // the same on the clock
  bool never_worse = true;          // the refined spheres never covered less, on either grid
};

// Measures the model at `path` (its `vertices` read already) on its own procedure's hull at the
// default fields.
RefineTiming time_refine(const std::string& path, const VertexList& vertices);

}  // namespace ombrix::bench
