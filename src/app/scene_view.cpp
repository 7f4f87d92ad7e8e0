#include "app/scene_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <utility>

#include "picture/picture_palette.h"

namespace ombrix {

namespace {

// One notch of a common wheel (120 units) zooms by about a fifth.
constexpr double kZoomPerWheelUnit = 1.0015;
// However far the wheel goes, the scale stays a usable number.
constexpr double kSmallestScale = 1e-9;
constexpr double kLargestScale = 1e9;

bool is_empty(const PictureScene& scene) {
  return scene.models.empty() && scene.hulls.empty() && scene.spheres.empty();
}

}  // namespace

SceneView::SceneView(QWidget* parent) : QWidget(parent) {
  camera_.angle = standard_angle(StandardView::kThreeQuarter);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(240, 180);
}

void SceneView::set_scene(PictureScene scene) {
  scene_ = std::move(scene);
  frame(camera_.angle);
}

void SceneView::look_from(StandardView view) { frame(standard_angle(view)); }

void SceneView::set_layers(const PictureLayers& layers) {
  layers_ = layers;
  update();
}

void SceneView::set_empty_text(const QString& text) {
  empty_text_ = text;
  update();
}

void SceneView::frame(const ViewAngle& angle) {
  camera_ = framed_camera(scene_, angle, QSizeF(size()));
  update();
}

void SceneView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  draw_scene(painter, QRectF(rect()), scene_, camera_, layers_);
  if (is_empty(scene_)) {
    painter.setPen(QColor(kTextColour));
    painter.drawText(rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap, empty_text_);
  }
}

void SceneView::resizeEvent(QResizeEvent*) { frame(camera_.angle); }

void SceneView::mousePressEvent(QMouseEvent* event) { drag_from_ = event->position().toPoint(); }

void SceneView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint at = event->position().toPoint();
  const QPoint moved = at - drag_from_;
  drag_from_ = at;
  camera_.angle = turned(camera_.angle, moved.x(), moved.y());
  update();
}

void SceneView::wheelEvent(QWheelEvent* event) {
  const double factor = std::pow(kZoomPerWheelUnit, event->angleDelta().y());
  camera_.scale = std::clamp(camera_.scale * factor, kSmallestScale, kLargestScale);
  update();
}

}  // namespace ombrix
