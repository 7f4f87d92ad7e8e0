#include "sphere_work_timing.h"

#include <algorithm>
#include <vector>

#include "hull/own/own_hull.h"
#include "model/vertex_box.h"
#include "record/volume.h"
#include "shared/recording_log.h"
#include "spheres/fill_parameters.h"
#include "spheres/lay_out_candidates.h"
#include "spheres/place_spheres.h"
#include "spheres/sample_hull.h"
#include "spheres/sphere_work.h"
#include "spheres/volume_grid.h"
#include "stage_timing.h"

namespace ombrix::bench {

std::optional<WorkTiming> time_sphere_work(const VertexList& vertices, const BenchSettings& settings) {
  Volume volume;
  bbox_of_vertices(volume.box, vertices);
  RecordingLog log;
  build_own_hull(volume.planes, vertices, log);
  const FillParameters parameters = read_fill_parameters(FieldValues({
      {Field::kGridResolution, settings.grid.value_or("7.0")},
      {Field::kSampleResolution, settings.samples.value_or("21.0")},
      {Field::kTargetSpheres, settings.spheres.value_or("11")},
      {Field::kOvershoot, settings.overshoot.value_or("0.0")},
  }));
  const VolumeGrid grid = volume_grid(volume.box, parameters);
  if (!(grid.sample_points <= kMostSamplePoints && grid.sphere_positions <= kMostSpherePositions)) return {};

  WorkTiming timing;
  const double start = processor_seconds();
  std::vector<SpherePosition> positions = lay_out_candidates(grid, volume.planes, {});
  timing.work = sphere_work(grid, positions);
  std::vector<SampleSphere> samples = sample_hull(grid, volume.planes, {});
  const auto target = static_cast<std::size_t>(std::max(parameters.target_spheres, 1));
  ResultList results;
  timing.spheres = place_spheres(samples, positions, target, box_extents(volume.box), results, log).size();
  timing.processor_seconds = processor_seconds() - start;
  return timing;
}

}  // namespace ombrix::bench
