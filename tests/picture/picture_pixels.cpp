#include "picture_pixels.h"

#include <QPainter>

namespace ombrix::testing {

QImage picture_of(const PictureScene& scene, const ViewCamera& camera, QSize size, const PictureLayers& layers) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  draw_scene(painter, QRectF(QPointF(0, 0), QSizeF(size)), scene, camera, layers);
  return image;
}

int count_pixels(const QImage& image, const std::function<bool(QRgb)>& kind) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += kind(image.pixel(x, y)) ? 1 : 0;
  }
  return count;
}

QRect bounds_of(const QImage& image, const std::function<bool(QRgb)>& kind) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (kind(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

SceneModel model_of(const std::vector<Vector>& points, const std::vector<std::array<int, 3>>& triangles) {
  SceneModel model{"test.prm", {}};
  for (const Vector& point : points) model.mesh.vertices.push_back({point, {}});
  for (const auto& triangle : triangles) {
    MeshPolygon& polygon = model.mesh.polygons.emplace_back();
    for (size_t i = 0; i < 3; ++i) polygon.corners[i] = static_cast<std::int16_t>(triangle[i]);
  }
  return model;
}

}  // namespace ombrix::testing
