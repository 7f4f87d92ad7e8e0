// The benchmark's exact hull stage: the external program against the exact procedure.
#pragma once

#include "stage_timing.h"

namespace ombrix::bench {

// Times the bridge running the external program at `settings.qconvex` once, as the literal
// form, and build_exact_hull as a median of five runs, as the fast form; identical when both
// give the same planes bit for bit and the same log lines.
StageResult run_exact_stage(const VertexList& vertices, const BenchSettings& settings);

}  // namespace ombrix::bench
