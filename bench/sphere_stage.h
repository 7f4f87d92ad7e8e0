// The benchmark's sphere stage: the literal sphere filling against the tool's, on one hull.
#pragma once

#include "stage_timing.h"

namespace ombrix::bench {

// Builds the model's hull once with the tool's own builder, then times fill_spheres_literal
// once and fill_spheres as a median of five runs on it, at the default fields or with the grid
// and sampling resolutions of `settings`; identical when both give the same spheres and result
// rows bit for bit and the same log lines.
StageResult run_sphere_stage(const VertexList& vertices, const BenchSettings& settings);

}  // namespace ombrix::bench
