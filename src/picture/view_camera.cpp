#include "picture/view_camera.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace ombrix {

namespace {

constexpr double kMarginShare = 0.06;  // of the area's width and height, on each side
constexpr double kDegreesPerPixel = 0.4;

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

double dot(const std::array<double, 3>& axis, double x, double y, double z) {
  return axis[0] * x + axis[1] * y + axis[2] * z;
}

// The extent of the scene along two image axes, grown point by point.
struct Extent {
  double low_x = std::numeric_limits<double>::infinity();
  double high_x = -std::numeric_limits<double>::infinity();
  double low_y = std::numeric_limits<double>::infinity();
  double high_y = -std::numeric_limits<double>::infinity();

  void add(const ViewPoint& point, double reach = 0.0) {
    if (!std::isfinite(point.x) || !std::isfinite(point.y) || !std::isfinite(reach)) return;
    low_x = std::min(low_x, point.x - reach);
    high_x = std::max(high_x, point.x + reach);
    low_y = std::min(low_y, point.y - reach);
    high_y = std::max(high_y, point.y + reach);
  }
  bool empty() const { return low_x > high_x; }
};

}  // namespace

ViewAngle standard_angle(StandardView view) {
  switch (view) {
    case StandardView::kFront:
      return {0.0, 0.0};
    case StandardView::kSide:
      return {90.0, 0.0};
    case StandardView::kTop:
      return {90.0, 90.0};
    case StandardView::kThreeQuarter:
      return {50.0, 25.0};
  }
  return {};
}

const char* standard_view_name(StandardView view) {
  switch (view) {
    case StandardView::kFront:
      return "Front";
    case StandardView::kSide:
      return "Side";
    case StandardView::kTop:
      return "Top";
    case StandardView::kThreeQuarter:
      return "Three-quarter";
  }
  return "";
}

ViewAngle turned(const ViewAngle& angle, double dx, double dy) {
  // Dragging to the right brings the model's front round to the right: the viewer moves left.
  const double yaw = std::remainder(angle.yaw - dx * kDegreesPerPixel, 360.0);
  const double pitch = std::clamp(angle.pitch + dy * kDegreesPerPixel, -90.0, 90.0);
  return {yaw, pitch};
}

ViewAxes view_axes(const ViewAngle& angle) {
  const double yaw = radians(angle.yaw);
  const double pitch = radians(angle.pitch);
  ViewAxes axes;
  axes.right = {-std::cos(yaw), 0.0, std::sin(yaw)};
  axes.toward = {std::sin(yaw) * std::cos(pitch), -std::sin(pitch), std::cos(yaw) * std::cos(pitch)};
  // The third axis completes the two: at pitch 0 it is the model's +y, so models stand upright.
  axes.down = {std::sin(pitch) * std::sin(yaw), std::cos(pitch), std::sin(pitch) * std::cos(yaw)};
  return axes;
}

ViewProjection::ViewProjection(const ViewCamera& camera, const QRectF& area)
    : camera_(camera), middle_(area.center()), axes_(view_axes(camera.angle)) {}

ViewPoint ViewProjection::project(const Vector& point) const {
  const double x = (point.x - camera_.centre.x) * camera_.scale;
  const double y = (point.y - camera_.centre.y) * camera_.scale;
  const double z = (point.z - camera_.centre.z) * camera_.scale;
  return {middle_.x() + dot(axes_.right, x, y, z), middle_.y() + dot(axes_.down, x, y, z), dot(axes_.toward, x, y, z)};
}

ViewCamera framed_camera(const PictureScene& scene, const ViewAngle& angle, const QSizeF& size) {
  // Measured at scale 1 around the model origin, then moved and scaled to fit.
  ViewCamera camera{angle, {}, 1.0};
  const ViewProjection unit(camera, QRectF());
  Extent extent;
  for (const SceneModel& model : scene.models) {
    for (const MeshVertex& vertex : model.mesh.vertices) extent.add(unit.project(vertex.position));
  }
  for (const HullShape& hull : scene.hulls) {
    for (const auto& face : hull.faces) {
      for (const Vector& corner : face) extent.add(unit.project(corner));
    }
  }
  for (const SceneSphere& ball : scene.spheres) {
    const Sphere& s = ball.sphere;
    extent.add(unit.project({s.x, s.y, s.z}), std::abs(static_cast<double>(s.radius)));
  }
  if (extent.empty()) return camera;

  // The point drawn at the middle: the extent's middle on the image axes, depth unchanged.
  const double mid_x = (extent.low_x + extent.high_x) / 2.0;
  const double mid_y = (extent.low_y + extent.high_y) / 2.0;
  const ViewAxes axes = view_axes(angle);
  const auto along = [&](size_t i) { return axes.right[i] * mid_x + axes.down[i] * mid_y; };
  camera.centre = {along(0), along(1), along(2)};

  const double usable_width = size.width() * (1.0 - 2.0 * kMarginShare);
  const double usable_height = size.height() * (1.0 - 2.0 * kMarginShare);
  const double width = extent.high_x - extent.low_x;
  const double height = extent.high_y - extent.low_y;
  double scale = std::numeric_limits<double>::infinity();
  if (width > 0.0) scale = usable_width / width;
  if (height > 0.0) scale = std::min(scale, usable_height / height);
  camera.scale = std::isfinite(scale) && scale > 0.0 ? scale : 1.0;
  return camera;
}

}  // namespace ombrix
