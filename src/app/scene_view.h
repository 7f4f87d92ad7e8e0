// The viewer's picture: a scene drawn by the picture renderer, turned by dragging and zoomed by
// the wheel.
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

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
  // Written in the middle of an empty scene.
  void set_empty_text(const QString& text);

  const PictureScene& scene() const { return scene_; }
  const ViewCamera& camera() const { return camera_; }
  const PictureLayers& layers() const { return layers_; }

  QSize sizeHint() const override { return {720, 500}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void frame(const ViewAngle& angle);

  PictureScene scene_;
  ViewCamera camera_;
  PictureLayers layers_;
  QString empty_text_;
  QPoint drag_from_;
};

}  // namespace ombrix
