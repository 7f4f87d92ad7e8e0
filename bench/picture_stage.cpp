#include "picture_stage.h"

#include <QImage>
#include <QPainter>

#include "hull/internal_hull.h"
#include "model/vertex_box.h"
#include "picture/draw_scene.h"
#include "picture/run_scene.h"
#include "reference/recording_log.h"
#include "spheres/fill_spheres.h"
#include "stage_timing.h"

namespace ombrix::bench {

namespace {

constexpr int kDrawings = 9;

// The spheres a run at the default fields gives the model, numbered as its log numbers them.
std::vector<SceneSphere> run_spheres(const VertexList& vertices) {
  std::vector<Volume> volumes(1);
  bbox_of_vertices(volumes[0].box, vertices);
  reference::RecordingLog log;
  build_internal_hull(volumes[0].planes, vertices, log);
  const FieldValues fields({{Field::kGridResolution, "7.0"},
                            {Field::kSampleResolution, "21.0"},
                            {Field::kTargetSpheres, "11"},
                            {Field::kOvershoot, "0.0"}});
  std::vector<Sphere> spheres;
  ResultList rows;
  fill_spheres(spheres, volumes, fields, log, rows);
  return numbered_spheres(spheres, rows);
}

}  // namespace

std::optional<PictureTiming> time_picture(const std::string& path, std::string& refusal) {
  PictureScene scene;
  SceneModel& model = scene.models.emplace_back();
  if (!read_model_mesh(path, model.mesh, refusal)) return std::nullopt;
  scene.spheres = run_spheres(model.mesh.vertices);

  QImage image(kPictureWidth, kPictureHeight, QImage::Format_ARGB32_Premultiplied);
  const QRectF area(0, 0, kPictureWidth, kPictureHeight);
  const ViewCamera camera = framed_camera(scene, standard_angle(StandardView::kThreeQuarter), area.size());
  PictureTiming timing;
  timing.polygons = model.mesh.polygons.size();
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
