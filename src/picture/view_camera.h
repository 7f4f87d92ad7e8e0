// Orthographic views of a scene: where each looks from, and where a model point lands on the image.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <array>

#include "geometry/vector.h"
#include "picture/picture_scene.h"

namespace ombrix {

// The direction a view looks from. The game's models have y pointing down and their front
// towards +z; every view keeps -y up on the image unless it is turned over the top.
struct ViewAngle {
  double yaw = 0.0;    // degrees about the up axis: 0 looks at the front, 90 at the right side (+x)
  double pitch = 0.0;  // degrees above the horizon, -90 to 90: 90 looks straight down
};

enum class StandardView { kFront, kSide, kTop, kThreeQuarter };

inline constexpr std::array<StandardView, 4> kStandardViews{StandardView::kFront, StandardView::kSide,
                                                            StandardView::kTop, StandardView::kThreeQuarter};

// Front: the front faces the viewer. Side: the right side, front to the right. Top: from above,
// front to the right. Three-quarter: from the front right and above.
ViewAngle standard_angle(StandardView view);
const char* standard_view_name(StandardView view);  // "Front", "Side", "Top", "Three-quarter"

// `angle` turned by a drag of `dx`, `dy` pixels, as if the model were held: sideways turns it
// about its up axis, up and down tilts it, never past straight above or straight below.
ViewAngle turned(const ViewAngle& angle, double dx, double dy);

struct ScenePoint {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

struct ViewCamera {
  ViewAngle angle;
  ScenePoint centre;   // the model point drawn at the middle of the image area
  double scale = 1.0;  // image pixels per model unit
};

// Where a model point lands: image pixels (x to the right, y down) and a depth in pixels that
// grows towards the viewer. The three axes are at right angles and equally scaled.
struct ViewPoint {
  double x = 0.0;
  double y = 0.0;
  double depth = 0.0;
};

// The image's axes as unit vectors in the model's axes: to the right, down, and towards the viewer.
struct ViewAxes {
  std::array<double, 3> right{};
  std::array<double, 3> down{};
  std::array<double, 3> toward{};
};

ViewAxes view_axes(const ViewAngle& angle);

class ViewProjection {
 public:
  ViewProjection(const ViewCamera& camera, const QRectF& area);

  ViewPoint project(const Vector& point) const;

 private:
  ViewCamera camera_;
  QPointF middle_;
  ViewAxes axes_;
};

// The camera from `angle` that shows every model vertex, hull corner and sphere of `scene`
// within an area of `size`, centred, with a small margin. An empty scene, or one that is a
// single point in this view, gets scale 1 around its middle.
ViewCamera framed_camera(const PictureScene& scene, const ViewAngle& angle, const QSizeF& size);

}  // namespace ombrix
