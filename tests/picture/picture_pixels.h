// What the picture tests look for in a pixel: which of the scene's things painted it. Each kind
// is told apart by its hue, whatever the shading and the translucent hull over it.
#pragma once

#include <QImage>
#include <functional>

#include "picture/draw_scene.h"
#include "picture/picture_scene.h"
#include "picture/view_camera.h"

namespace ombrix::testing {

// Neutral and light: the background's vertical blend, nothing drawn over it.
inline bool is_background(QRgb pixel) {
  return std::abs(qRed(pixel) - qBlue(pixel)) <= 3 && std::abs(qRed(pixel) - qGreen(pixel)) <= 3 && qRed(pixel) >= 212;
}

// Neutral and darker than any background: the model's grey under any light.
inline bool is_model(QRgb pixel) {
  return std::abs(qRed(pixel) - qGreen(pixel)) <= 4 && std::abs(qBlue(pixel) - qRed(pixel)) <= 12 &&
         qBlue(pixel) <= 208;
}

// Blue wins clearly: a main hull's face over whatever lies behind it.
inline bool is_hull(QRgb pixel) { return qBlue(pixel) > qRed(pixel) + 30; }

// Red wins over blue and green: an excluded volume's face.
inline bool is_excluded_hull(QRgb pixel) {
  return qRed(pixel) > qGreen(pixel) + 40 && qBlue(pixel) > qGreen(pixel) && !is_hull(pixel);
}

// Orange: red well above blue, green between.
inline bool is_sphere(QRgb pixel) {
  return qRed(pixel) > qBlue(pixel) + 80 && qGreen(pixel) > qBlue(pixel) && qRed(pixel) > qGreen(pixel);
}

// `scene` drawn into a fresh image of `size`, the whole image one area.
QImage picture_of(const PictureScene& scene, const ViewCamera& camera, QSize size, const PictureLayers& layers = {});

// How many pixels of `image` satisfy `kind`.
int count_pixels(const QImage& image, const std::function<bool(QRgb)>& kind);

// The smallest rectangle holding every pixel of `kind`; empty when there is none.
QRect bounds_of(const QImage& image, const std::function<bool(QRgb)>& kind);

// A hull shaped as the box from `low` to `high`, its six faces as corner loops.
HullShape box_hull(const Vector& low, const Vector& high);

// A model with one vertex per point and one triangle per index triple.
SceneModel model_of(const std::vector<Vector>& points, const std::vector<std::array<int, 3>>& triangles);

}  // namespace ombrix::testing
