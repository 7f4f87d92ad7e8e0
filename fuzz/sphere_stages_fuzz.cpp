// The tool's sphere stage against the literal one on a small model, now and then with an
// excluded volume: the same spheres, result rows and log lines, bit for bit. Then the refined
// placement on the same model: as many spheres as the greedy's, never less cover.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "hull/own/own_hull.h"
#include "model/vertex_box.h"
#include "reference/literal_spheres.h"
#include "reference/sphere_comparison.h"
#include "shared/number_text.h"
#include "shared/recording_log.h"
#include "spheres/fill_spheres.h"

using namespace ombrix;

namespace {

// Small grids on boxes of moderate shape keep the literal stage, which tries every candidate
// against every sample, to a fraction of a second.
constexpr size_t kMaxVertices = 10;
constexpr float kMaxSideRatio = 3.0f;

Volume hull_volume(const VertexList& vertices) {
  Volume volume;
  bbox_of_vertices(volume.box, vertices);
  RecordingLog ignored;
  build_own_hull(volume.planes, vertices, ignored);
  return volume;
}

bool moderate_shape(const BBox& box) {
  const float sides[] = {box.max_x - box.min_x, box.max_y - box.min_y, box.max_z - box.min_z};
  const auto [shortest, longest] = std::minmax_element(std::begin(sides), std::end(sides));
  return !(*longest > *shortest * kMaxSideRatio);
}

std::string tenths(FuzzedDataProvider& data, int low, int high) {
  return format_fixed(data.ConsumeIntegralInRange(low, high) / 10.0, 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  FieldValues fields;
  fields.set(Field::kGridResolution, tenths(provider, 5, 50));
  fields.set(Field::kSampleResolution, tenths(provider, 10, 80));
  fields.set(Field::kTargetSpheres, std::to_string(provider.ConsumeIntegralInRange(-1, 6)));
  fields.set(Field::kOvershoot, tenths(provider, -500, 1500));
  const bool with_exclusion = provider.ConsumeBool();
  const VertexList main_vertices = fuzz::model_vertices(provider, kMaxVertices);
  const VertexList excluded_vertices = with_exclusion ? fuzz::model_vertices(provider, kMaxVertices) : VertexList{};

  std::vector<Volume> volumes = {hull_volume(main_vertices)};
  if (!moderate_shape(volumes[0].box)) return 0;
  if (with_exclusion) volumes[0].excluded.push_back(hull_volume(excluded_vertices));

  std::vector<Sphere> literal;
  ResultList literal_rows;
  RecordingLog literal_log;
  reference::fill_spheres_literal(literal, volumes, fields, literal_log, literal_rows);
  std::vector<Sphere> fast;
  ResultList fast_rows;
  RecordingLog fast_log;
  fill_spheres(fast, volumes, fields, fast_log, fast_rows);

  for (const std::string& difference :
       {reference::first_sphere_difference(literal, fast), reference::first_row_difference(literal_rows, fast_rows)}) {
    if (!difference.empty()) fuzz::report_finding(difference);
  }
  if (fast_log.lines != literal_log.lines) fuzz::report_finding("the log lines differ");

  fields.set(Field::kPlacement, "refined");
  std::vector<Sphere> refined;
  ResultList refined_rows;
  RecordingLog refined_log;
  fill_spheres(refined, volumes, fields, refined_log, refined_rows);
  if (refined.size() != fast.size()) fuzz::report_finding("the refined placement has another number of spheres");
  if (!fast_rows.empty() && !refined_rows.empty() && refined_rows.back().remaining > fast_rows.back().remaining) {
    fuzz::report_finding("the refined spheres cover less than the greedy's");
  }
  return 0;
}
