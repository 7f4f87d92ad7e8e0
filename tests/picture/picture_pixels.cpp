#include "picture_pixels.h"

#include <QPainter>

namespace ombrix::testing {

QImage picture_of(const PictureScene& scene, const ViewCamera& camera, QSize size, const PictureLayers& layers) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::black);
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

HullShape box_hull(const Vector& low, const Vector& high) {
  const auto corner = [&](int i) {
    return Vector{(i & 1) ? high.x : low.x, (i & 2) ? high.y : low.y, (i & 4) ? high.z : low.z};
  };
  // Corner i has bit 0 for x, bit 1 for y, bit 2 for z; each face lists its four corners around.
  const int faces[6][4] = {{0, 2, 6, 4}, {1, 5, 7, 3}, {0, 4, 5, 1}, {2, 3, 7, 6}, {0, 1, 3, 2}, {4, 6, 7, 5}};
  HullShape hull;
  for (const auto& face : faces) {
    hull.faces.push_back({corner(face[0]), corner(face[1]), corner(face[2]), corner(face[3])});
  }
  return hull;
}

SceneModel model_of(const std::vector<Vector>& points, const std::vector<std::array<int, 3>>& triangles) {
  SceneModel model{"test.prm", {}};
  for (const Vector& point : points) model.mesh.vertices.push_back({point, {}});
  for (const auto& triangle : triangles) {
    MeshPolygon polygon;
    for (size_t i = 0; i < 3; ++i) polygon.corners[i] = static_cast<std::int16_t>(triangle[i]);
    model.mesh.polygons.push_back(polygon);
  }
  return model;
}

}  // namespace ombrix::testing
