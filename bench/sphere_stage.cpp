#include "sphere_stage.h"

#include "hull/internal_hull.h"
#include "reference/literal_spheres.h"
#include "reference/sphere_comparison.h"
#include "spheres/fill_spheres.h"
#include "support/recording_log.h"

namespace ombrix::bench {

namespace {

constexpr int kFastRuns = 5;

struct Filling {
  CollisionData data;
  ResultList results;
  testing::RecordingLog log;
};

FieldValues sphere_fields(const BenchSettings& settings) {
  return FieldValues({{Control::kGridResolution, settings.grid.value_or("7.0")},
                      {Control::kSampleResolution, settings.samples.value_or("21.0")},
                      {Control::kTargetSpheres, "11"},
                      {Control::kOvershoot, "0.0"}});
}

bool same_filling(const Filling& literal, const Filling& fast) {
  return reference::first_sphere_difference(literal.data.spheres, fast.data.spheres).empty() &&
         reference::first_row_difference(literal.results, fast.results).empty() &&
         literal.log.lines == fast.log.lines;
}

}  // namespace

StageResult run_sphere_stage(const VertexList& vertices, const BenchSettings& settings) {
  CollisionData hulled;
  Volume& volume = hulled.volumes.emplace_back();
  bbox_of_vertices(volume.box, vertices);
  testing::RecordingLog hull_log;
  build_internal_hull(volume.planes, vertices, hull_log);
  const FieldValues fields = sphere_fields(settings);

  Filling literal{hulled, {}, {}};
  Filling fast;
  StageResult result;
  result.literal_seconds =
      seconds_of([&] { reference::fill_spheres_literal(literal.data, fields, literal.log, literal.results); });
  result.fast_seconds = median_seconds_of(
      [&] {
        fast = Filling{hulled, {}, {}};
        fill_spheres(fast.data, fields, fast.log, fast.results);
      },
      kFastRuns);
  result.identical = same_filling(literal, fast);
  return result;
}

}  // namespace ombrix::bench
