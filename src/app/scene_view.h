// The viewer's picture: a scene drawn by the picture renderer, turned by dragging and zoomed by
// the wheel; a sphere is picked by a click, moved by dragging it in the view's plane and sized by
// the wheel with Ctrl held.
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <vector>

#include "picture/draw_scene.h"
#include "picture/picture_scene.h"
#include "picture/view_camera.h"

namespace ombrix {

class SceneView : public QWidget {
  Q_OBJECT

 public:
  explicit SceneView(QWidget* parent = nullptr);

  // Shows `scene`, framed whole from the current angle.
  void set_scene(PictureScene scene);
  // Looks from `view`, framing the whole scene.
  void look_from(StandardView view);
  void set_layers(const PictureLayers& layers);
  // Replaces the scene's spheres, the view unmoved.
  void set_spheres(std::vector<SceneSphere> spheres);
  // Draws sphere `index` (from 0) highlighted; -1 for none.
  void set_selected(int index);
  int selected() const { return selected_; }
  // The sphere drawn at `point` in the widget, the nearest to the viewer; -1 for none.
  int sphere_at(const QPointF& point) const;
  // Where sphere `index` is drawn in the widget.
  QPointF sphere_point(int index) const;
  // Written in the middle of an empty scene.
  void set_empty_text(const QString& text);

  const PictureScene& scene() const { return scene_; }
  const ViewCamera& camera() const { return camera_; }
  const PictureLayers& layers() const { return layers_; }

  QSize sizeHint() const override { return {720, 500}; }

 signals:
  // A click on sphere `index`, or on empty space (-1).
  void sphere_clicked(int index);
  // A drag or Ctrl with the wheel asks for `sphere` in place of sphere `index`; every request of
  // one drag or one run of wheel turns carries the same `gesture`.
  void sphere_changed(int index, const Sphere& sphere, int gesture);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void frame(const ViewAngle& angle);

  PictureScene scene_;
  ViewCamera camera_;
  PictureLayers layers_;
  QString empty_text_;
  QPoint drag_from_;
  QPoint pressed_at_;
  int selected_ = -1;
  int dragged_ = -1;            // the sphere a drag moves; -1 while a drag turns the view
  Sphere drag_start_;           // that sphere when the drag began
  bool moved_ = false;          // the mouse moved beyond a click since it was pressed
  int gesture_ = 0;             // the last gesture's number
  bool wheel_gesture_ = false;  // the last change came from the wheel: the next one continues it
};

}  // namespace ombrix
