#include "drag_stage.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "app/qt_desktop.h"
#include "app/scene_view.h"
#include "app/viewer_window.h"
#include "hull/own/own_hull.h"
#include "record/on_plane_tolerance.h"
#include "shared/recording_log.h"
#include "stage_timing.h"

namespace ombrix::bench {

namespace {

void send_mouse(QWidget* widget, QEvent::Type type, const QPointF& at, Qt::MouseButtons held) {
  QMouseEvent event(type, at, widget->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                    {});
  QApplication::sendEvent(widget, &event);
}

}  // namespace

std::optional<DragTiming> time_drag(const std::string& path, std::string& fault) {
  QTemporaryDir folder;
  const std::string hul = folder.filePath("drag.hul").toStdString();
  const FieldValues fields({{Field::kInputFiles, path},
                            {Field::kOutputFile, hul},
                            {Field::kGridResolution, "7.0"},
                            {Field::kSampleResolution, "21.0"},
                            {Field::kTargetSpheres, kDragSpheres},
                            {Field::kOvershoot, "0.0"}});
  RecordingLog log;
  ResultList rows;
  if (run_pipeline(fields, log, {build_own_hull, kOnPlaneTolerance}, rows) != RunOutcome::kWritten) {
    fault = "no hull file: " + log.last_text();
    return std::nullopt;
  }

  QtDesktop desktop;
  ViewerWindow viewer(desktop, fields, nullptr);
  viewer.resize(1180, 640);
  viewer.show_files(hul, path);
  viewer.show();
  QApplication::processEvents();
  SceneView* view = viewer.scene_view();
  DragTiming timing;
  timing.polygons = view->scene().models.empty() ? 0 : view->scene().models[0].mesh.polygons.size();
  timing.spheres = view->scene().spheres.size();
  if (timing.spheres == 0) {
    fault = "the run placed no spheres";
    return std::nullopt;
  }

  const QPointF from = view->sphere_point(0);
  send_mouse(view, QEvent::MouseButtonPress, from, Qt::LeftButton);
  std::vector<double> moves;
  for (int i = 1; i <= kDragMoves; ++i) {
    const QPointF at = from + QPointF(3.0 * i, 1.0 * i);
    moves.push_back(seconds_of([&] {
      send_mouse(view, QEvent::MouseMove, at, Qt::LeftButton);
      QApplication::processEvents();  // paints the picture and the panel
    }));
  }
  send_mouse(view, QEvent::MouseButtonRelease, from + QPointF(3.0 * kDragMoves, 1.0 * kDragMoves), Qt::NoButton);
  std::sort(moves.begin(), moves.end());
  timing.median_seconds = moves[moves.size() / 2];
  timing.longest_seconds = moves.back();
  return timing;
}

}  // namespace ombrix::bench
