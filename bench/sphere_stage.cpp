#include "sphere_stage.h"

#include "hull/own/own_hull.h"
#include "model/vertex_box.h"
#include "record/collision_data.h"
#include "reference/literal_spheres.h"
#include "reference/sphere_comparison.h"
#include "shared/recording_log.h"
#include "spheres/fill_spheres.h"

namespace ombrix::bench {

namespace {

constexpr int kFastRuns = 5;

struct Filling {
  CollisionData data;
  ResultList results;
  RecordingLog log;
};

FieldValues sphere_fields(const BenchSettings& settings) {
  return FieldValues({{Field::kGridResolution, settings.grid.value_or("7.0")},
                      {Field::kSampleResolution, settings.samples.value_or("21.0")},
                      {Field::kTargetSpheres, "11"},
                      {Field::kOvershoot, "0.0"}});
}

bool same_filling(const Filling& literal, const Filling& fast) {
  return reference::first_sphere_difference(literal.data.spheres, fast.data.spheres).empty() &&
         reference::first_row_difference(literal.results, fast.results).empty() && literal.log.lines == fast.log.lines;
}

}  // namespace

StageResult run_sphere_stage(const VertexList& vertices, const BenchSettings& settings) {
  CollisionData hulled;
  Volume& volume = hulled.volumes.emplace_back();
  bbox_of_vertices(volume.box, vertices);
  RecordingLog hull_log;
  build_own_hull(volume.planes, vertices, hull_log);
  const FieldValues fields = sphere_fields(settings);

  Filling literal{hulled, {}, {}};
  Filling fast;
  StageResult result;
  result.literal_seconds = seconds_of([&] {
    reference::fill_spheres_literal(literal.data.spheres, literal.data.volumes, fields, literal.log, literal.results);
  });
  result.fast_seconds = median_seconds_of(
      [&] {
        fast = Filling{hulled, {}, {}};
        fill_spheres(fast.data.spheres, fast.data.volumes, fields, fast.log, fast.results);
      },
      kFastRuns);
  result.identical = same_filling(literal, fast);
  return result;
}

}  // namespace ombrix::bench
