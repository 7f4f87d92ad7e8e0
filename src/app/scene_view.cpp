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

// Each notch of the wheel with Ctrl grows or shrinks the selected sphere by a twentieth.
constexpr double kRadiusPerWheelUnit = 1.05;
constexpr double kWheelNotch = 120.0;
// Pixels the mouse may move between press and release and still make a click.
constexpr int kClickSlack = 3;

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

void SceneView::set_spheres(std::vector<SceneSphere> spheres) {
  scene_.spheres = std::move(spheres);
  for (size_t i = 0; i < scene_.spheres.size(); ++i) scene_.spheres[i].selected = static_cast<int>(i) == selected_;
  update();
}

void SceneView::set_selected(int index) {
  selected_ = index >= 0 && static_cast<size_t>(index) < scene_.spheres.size() ? index : -1;
  for (size_t i = 0; i < scene_.spheres.size(); ++i) scene_.spheres[i].selected = static_cast<int>(i) == selected_;
  update();
}

QPointF SceneView::sphere_point(int index) const {
  const Sphere& s = scene_.spheres.at(static_cast<size_t>(index)).sphere;
  const ViewPoint at = ViewProjection(camera_, QRectF(rect())).project({s.x, s.y, s.z});
  return {at.x, at.y};
}

int SceneView::sphere_at(const QPointF& point) const {
  if (!layers_.spheres) return -1;
  const ViewProjection projection(camera_, QRectF(rect()));
  int nearest = -1;
  double nearest_depth = 0.0;
  for (size_t i = 0; i < scene_.spheres.size(); ++i) {
    const Sphere& s = scene_.spheres[i].sphere;
    const ViewPoint at = projection.project({s.x, s.y, s.z});
    const double radius = std::abs(static_cast<double>(s.radius)) * camera_.scale;
    const double dx = point.x() - at.x;
    const double dy = point.y() - at.y;
    if (!(dx * dx + dy * dy <= radius * radius)) continue;
    // The one painted on top: the selected sphere, else the nearest, the later at one depth.
    if (static_cast<int>(i) == selected_) return selected_;
    if (nearest < 0 || at.depth >= nearest_depth) {
      nearest = static_cast<int>(i);
      nearest_depth = at.depth;
    }
  }
  return nearest;
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

void SceneView::mousePressEvent(QMouseEvent* event) {
  drag_from_ = event->position().toPoint();
  pressed_at_ = drag_from_;
  moved_ = false;
  wheel_gesture_ = false;
  dragged_ = event->button() == Qt::LeftButton ? sphere_at(event->position()) : -1;
  if (dragged_ < 0) return;
  drag_start_ = scene_.spheres[static_cast<size_t>(dragged_)].sphere;
  ++gesture_;
  emit sphere_clicked(dragged_);
}

void SceneView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint at = event->position().toPoint();
  moved_ = moved_ || (at - pressed_at_).manhattanLength() > kClickSlack;
  if (dragged_ >= 0 && static_cast<size_t>(dragged_) < scene_.spheres.size()) {
    if (!moved_) return;  // a click's jitter moves nothing, and makes no undo step
    // In the view's plane: the image's right and down axes, in model units.
    const ViewAxes axes = view_axes(camera_.angle);
    const QPoint shift = at - pressed_at_;
    const auto along = [&](size_t i) { return (axes.right[i] * shift.x() + axes.down[i] * shift.y()) / camera_.scale; };
    Sphere moved = drag_start_;
    moved.x = static_cast<float>(drag_start_.x + along(0));
    moved.y = static_cast<float>(drag_start_.y + along(1));
    moved.z = static_cast<float>(drag_start_.z + along(2));
    emit sphere_changed(dragged_, moved, gesture_);
    return;
  }
  const QPoint moved = at - drag_from_;
  drag_from_ = at;
  camera_.angle = turned(camera_.angle, moved.x(), moved.y());
  update();
}

void SceneView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (dragged_ < 0 && !moved_) emit sphere_clicked(-1);
  dragged_ = -1;
}

void SceneView::wheelEvent(QWheelEvent* event) {
  if (event->modifiers() & Qt::ControlModifier) {
    if (selected_ < 0) return;
    if (!wheel_gesture_) ++gesture_;
    wheel_gesture_ = true;
    Sphere sized = scene_.spheres[static_cast<size_t>(selected_)].sphere;
    sized.radius =
        static_cast<float>(sized.radius * std::pow(kRadiusPerWheelUnit, event->angleDelta().y() / kWheelNotch));
    emit sphere_changed(selected_, sized, gesture_);
    return;
  }
  const double factor = std::pow(kZoomPerWheelUnit, event->angleDelta().y());
  camera_.scale = std::clamp(camera_.scale * factor, kSmallestScale, kLargestScale);
  update();
}

}  // namespace ombrix
