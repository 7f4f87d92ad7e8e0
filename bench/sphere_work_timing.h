// The benchmark's calibration of the sphere stage's work estimate: sphere_work against the time
// the stage's steps take, on one hull.
#pragma once

#include <cstddef>
#include <optional>

#include "stage_timing.h"

namespace ombrix::bench {

struct WorkTiming {
  double work = 0.0;               // sphere_work of the volume's candidates
  double processor_seconds = 0.0;  // laying out candidates and samples and placing the spheres
  std::size_t spheres = 0;         // how many were placed
};

// Builds the model's hull with the tool's own builder, then lays out its candidates and
// samples and places its spheres at the grid, sampling, target and overshoot of `settings`
// (defaults 7.0, 21.0, 11 and 0.0), even past kMostSphereWork, timing the processor time those steps take, so that
// other work on the machine barely counts. Empty when the grids hold more points than
// fill_spheres ever lays out.
std::optional<WorkTiming> time_sphere_work(const VertexList& vertices, const BenchSettings& settings);

}  // namespace ombrix::bench
