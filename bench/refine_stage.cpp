#include "refine_stage.h"

#include <algorithm>
#include <filesystem>
#include <functional>

#include "geometry/plane.h"
#include "hull/hull_procedure.h"
#include "hull/own/own_hull.h"
#include "model/vertex_box.h"
#include "pipeline/run_pipeline.h"
#include "shared/recording_log.h"
#include "spheres/fill_spheres.h"
#include "spheres/sample_hull.h"
#include "stage_timing.h"

namespace ombrix::bench {

namespace {

constexpr int kRuns = 3;
constexpr double kFineness = 3.0;  // fine grid points per sample spacing

FieldValues fields_for(size_t spheres, const char* placement) {
  return FieldValues({{Field::kGridResolution, "7.0"},
                      {Field::kSampleResolution, "21.0"},
                      {Field::kTargetSpheres, std::to_string(spheres)},
                      {Field::kOvershoot, "0.0"},
                      {Field::kPlacement, placement}});
}

std::vector<Sphere> fill(const Volume& volume, size_t spheres, const char* placement) {
  std::vector<Sphere> placed;
  RecordingLog log;
  ResultList results;
  fill_spheres(placed, std::span<const Volume>(&volume, 1), fields_for(spheres, placement), log, results);
  return placed;
}

double covered_percent(const std::vector<Vector>& points, const std::vector<Sphere>& spheres) {
  if (points.empty()) return 0.0;
  const auto covered = std::count_if(points.begin(), points.end(), [&](const Vector& point) {
    return std::any_of(spheres.begin(), spheres.end(), [&](const Sphere& sphere) {
      return point_distance(point, {sphere.x, sphere.y, sphere.z}) <= sphere.radius;
    });
  });
  return 100.0 * static_cast<double>(covered) / static_cast<double>(points.size());
}

// The run's sample points, as its log counts them.
std::vector<Vector> sample_points(const Volume& volume) {
  const VolumeGrid grid = volume_grid(volume.box, {7.0f, 21.0f, 11, 0.0f});
  std::vector<Vector> points;
  for (const SampleSphere& sample : sample_hull(grid, volume.planes, {})) points.push_back(sample.position);
  return points;
}

// Points of a grid finer than the samples' and not on it, strictly inside the hull.
std::vector<Vector> fine_points(const Volume& volume) {
  const VolumeGrid grid = volume_grid(volume.box, {7.0f, 21.0f, 11, 0.0f});
  const double spacing = grid.sample_spacing / kFineness;
  const BBox& box = volume.box;
  std::vector<Vector> points;
  for (double x = box.min_x + spacing / 2; x < box.max_x; x += spacing) {
    for (double y = box.min_y + spacing / 2; y < box.max_y; y += spacing) {
      for (double z = box.min_z + spacing / 2; z < box.max_z; z += spacing) {
        const Vector point{static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
        if (std::all_of(volume.planes.begin(), volume.planes.end(),
                        [&](const Plane& plane) { return plane_value(point, plane) < 0.0; })) {
          points.push_back(point);
        }
      }
    }
  }
  return points;
}

}  // namespace

RefineTiming time_refine(const std::string& path, const VertexList& vertices) {
  Volume volume;
  bbox_of_vertices(volume.box, vertices);
  RecordingLog hull_log;
  build_own_hull(volume.planes, vertices, hull_log);
  const std::vector<Vector> samples = sample_points(volume);
  const std::vector<Vector> fine = fine_points(volume);

  RefineTiming timing;
  for (const size_t count : kRefineSphereCounts) {
    RefinePoint point{count};
    const std::vector<Sphere> greedy = fill(volume, count, "greedy");
    const std::vector<Sphere> refined = fill(volume, count, "refined");
    point.greedy_percent = covered_percent(samples, greedy);
    point.refined_percent = covered_percent(samples, refined);
    point.fine_greedy_percent = covered_percent(fine, greedy);
    point.fine_refined_percent = covered_percent(fine, refined);
    point.greedy_seconds = median_seconds_of([&] { fill(volume, count, "greedy"); }, kRuns);
    point.refined_seconds = median_seconds_of([&] { fill(volume, count, "refined"); }, kRuns);
    timing.never_worse = timing.never_worse && point.refined_percent >= point.greedy_percent &&
                         point.fine_refined_percent >= point.fine_greedy_percent;
    timing.points.push_back(point);
  }
  const double greedy_11 = timing.points.front().greedy_percent;
  for (size_t count = 1; count <= 11 && timing.spheres_to_match == 0; ++count) {
    if (covered_percent(samples, fill(volume, count, "refined")) >= greedy_11) timing.spheres_to_match = count;
  }
  const RunSeconds run = time_whole_run(fields_for(11, "refined"), path, "ombrix-bench-refine", kRuns);
  timing.run_seconds = run.processor;
  timing.run_wall_seconds = run.clock;
  return timing;
}

}  // namespace ombrix::bench
