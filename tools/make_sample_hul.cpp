// Writes a hull file as other tools make them, from the project's sample car: the body cut into
// a front and a rear hull, each with its corners, its edges and a point inside as its offset,
// then spheres for both. The README's inspect example and the fuzzer's seeds come from it.
//
//   build/make-sample-hul samples/car/body.prm samples/car/parts.hul
#include <algorithm>
#include <cstdio>
#include <set>
#include <utility>

#include "hulfile/hul_file.h"
#include "hull/own/own_hull.h"
#include "hull/solid/hull_solid.h"
#include "model/model_file.h"
#include "model/vertex_box.h"
#include "shared/recording_log.h"
#include "spheres/fill_spheres.h"

namespace {

using namespace ombrix;

// The hull of `vertices` with what other tools store beside the planes.
bool make_volume(const VertexList& vertices, Volume& volume) {
  RecordingLog log;  // not shown
  if (!bbox_of_vertices(volume.box, vertices)) return false;
  build_own_hull(volume.planes, vertices, log);
  HullSolid solid;
  if (solid_of_planes(volume.planes, solid) != SolidResult::kClosed) return false;
  volume.points = solid.corners;
  volume.offset = solid.inside;
  std::set<std::pair<size_t, size_t>> edges;
  for (const SolidFace& face : solid.faces) {
    for (size_t i = 0; i < face.corners.size(); ++i) {
      const size_t a = face.corners[i];
      const size_t b = face.corners[(i + 1) % face.corners.size()];
      edges.insert({std::min(a, b), std::max(a, b)});
    }
  }
  for (const auto& [a, b] : edges) volume.edges.push_back({static_cast<std::int16_t>(a), static_cast<std::int16_t>(b)});
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make-sample-hul MODEL.prm OUTPUT.hul\n");
    return 2;
  }
  RecordingLog log;  // not shown
  VertexList body;
  if (!read_model_file(argv[1], body, log)) {
    std::fprintf(stderr, "make-sample-hul: can't read %s\n", argv[1]);
    return 1;
  }
  VertexList front;
  VertexList rear;
  for (const MeshVertex& vertex : body) {
    if (vertex.position.x >= 0.0f) front.push_back(vertex);
    if (vertex.position.x <= 0.0f) rear.push_back(vertex);
  }
  CollisionData data;
  for (const VertexList* part : {&front, &rear}) {
    data.volumes.emplace_back();
    if (!make_volume(*part, data.volumes.back())) {
      std::fprintf(stderr, "make-sample-hul: a part of %s has no closed hull\n", argv[1]);
      return 1;
    }
  }
  const FieldValues fields({{Field::kTargetSpheres, "6"},
                            {Field::kGridResolution, "7.0"},
                            {Field::kSampleResolution, "21.0"},
                            {Field::kOvershoot, "2.0"}});
  ResultList results;
  fill_spheres(data.spheres, data.volumes, fields, log, results);
  if (write_hul_file(argv[2], data) != HulWriteResult::kWritten) {
    std::fprintf(stderr, "make-sample-hul: can't write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
