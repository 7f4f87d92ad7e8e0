#include "exact_stage.h"

#include "hull/external/external_hull.h"
#include "hull/qhull/exact_procedure.h"
#include "reference/hull_comparison.h"
#include "shared/recording_log.h"

namespace ombrix::bench {

namespace {

constexpr int kFastRuns = 5;

}  // namespace

StageResult run_exact_stage(const VertexList& vertices, const BenchSettings& settings) {
  std::vector<Plane> program_planes;
  RecordingLog program_log;
  std::vector<Plane> exact_planes;
  RecordingLog exact_log;

  StageResult result;
  result.literal_seconds =
      seconds_of([&] { build_external_hull_using({.path = settings.qconvex}, program_planes, vertices, program_log); });
  result.fast_seconds = median_seconds_of(
      [&] {
        exact_planes.clear();
        exact_log.lines.clear();
        build_exact_hull(exact_planes, vertices, exact_log);
      },
      kFastRuns);
  result.identical =
      reference::first_plane_difference(program_planes, exact_planes).empty() && program_log.lines == exact_log.lines;
  return result;
}

}  // namespace ombrix::bench
