#include "picture_stage.h"

#include <QImage>
#include <QPainter>

#include "hull/own/own_hull.h"
#include "model/vertex_box.h"
#include "picture/draw_scene.h"
#include "picture/hull_shapes.h"
#include "picture/run_scene.h"
#include "shared/recording_log.h"
#include "spheres/fill_spheres.h"
#include "stage_timing.h"

namespace ombrix::bench {

namespace {

constexpr int kDrawings = 9;

// The hull and spheres a run at the default fields gives the model, as the viewer shows them.
void add_run_result(PictureScene& scene, const VertexList& vertices) {
  CollisionData data;
  std::vector<Volume>& volumes = data.volumes;
  volumes.resize(1);
  bbox_of_vertices(volumes[0].box, vertices);
  RecordingLog log;
  build_own_hull(volumes[0].planes, vertices, log);
  const FieldValues fields({{Field::kGridResolution, "7.0"},
                            {Field::kSampleResolution, "21.0"},
                            {Field::kTargetSpheres, "11"},
                            {Field::kOvershoot, "0.0"}});
  ResultList rows;
  fill_spheres(data.spheres, volumes, fields, log, rows);
  add_hulls(scene, data);
  scene.spheres = numbered_spheres(data.spheres, rows);
}

}  // namespace

std::optional<PictureTiming> time_picture(const std::string& path, std::string& fault) {
  PictureScene scene;
  SceneModel& model = scene.models.emplace_back();
  ModelReading reading = read_model_mesh(path);
  if (!reading.fault.empty()) {
    fault = reading.fault;
    return std::nullopt;
  }
  model.mesh = std::move(reading.mesh);
  add_run_result(scene, model.mesh.vertices);

  QImage image(kPictureWidth, kPictureHeight, QImage::Format_ARGB32_Premultiplied);
  const QRectF area(0, 0, kPictureWidth, kPictureHeight);
  const ViewCamera camera = framed_camera(scene, standard_angle(StandardView::kThreeQuarter), area.size());
  PictureTiming timing;
  timing.polygons = scene.models[0].mesh.polygons.size();
  for (const HullShape& hull : scene.hulls) timing.hull_faces += hull.faces.size();
  timing.spheres = scene.spheres.size();
  timing.seconds = median_seconds_of(
      [&] {
        QPainter painter(&image);
        draw_scene(painter, area, scene, camera);
      },
      kDrawings);
  return timing;
}

}  // namespace ombrix::bench
