// The benchmark's hull stage: the literal triple-by-triple hull against the tool's builder.
#pragma once

#include "stage_timing.h"

namespace ombrix::bench {

// Times build_literal_hull once and build_own_hull as a median of five runs; identical
// when both give the same planes bit for bit and the same log lines. Ignores `settings`.
StageResult run_hull_stage(const VertexList& vertices, const BenchSettings& settings);

}  // namespace ombrix::bench
