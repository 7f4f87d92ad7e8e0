#include "hull_stage.h"

#include "hull/own/own_hull.h"
#include "reference/hull_comparison.h"
#include "reference/literal_hull.h"
#include "shared/recording_log.h"

namespace ombrix::bench {

namespace {

constexpr int kFastRuns = 5;

}  // namespace

StageResult run_hull_stage(const VertexList& vertices, const BenchSettings& /*settings*/) {
  std::vector<Plane> literal_planes;
  RecordingLog literal_log;
  std::vector<Plane> fast_planes;
  RecordingLog fast_log;

  StageResult result;
  result.literal_seconds = seconds_of([&] { reference::build_literal_hull(literal_planes, vertices, literal_log); });
  result.fast_seconds = median_seconds_of(
      [&] {
        fast_planes.clear();
        fast_log.lines.clear();
        build_own_hull(fast_planes, vertices, fast_log);
      },
      kFastRuns);
  result.identical =
      reference::first_plane_difference(literal_planes, fast_planes).empty() && literal_log.lines == fast_log.lines;
  return result;
}

}  // namespace ombrix::bench
