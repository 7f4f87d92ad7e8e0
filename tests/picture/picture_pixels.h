// What the picture tests look for in a pixel: which of the scene's things painted it, told apart
// by hue whatever the shading and the translucent hull over it; and scenes drawn to look at.
#pragma once

#include <QImage>
#include <array>
#include <functional>
#include <vector>

#include "picture/draw_scene.h"

namespace ombrix::testing {

// Neutral and light: the background's blend, nothing drawn over it.
inline bool is_background(QRgb p) {
  return std::abs(qRed(p) - qBlue(p)) <= 3 && std::abs(qRed(p) - qGreen(p)) <= 3 && qRed(p) >= 212;
}
// Neutral and darker than any background: the model's grey under any light.
inline bool is_model(QRgb p) {
  return std::abs(qRed(p) - qGreen(p)) <= 4 && std::abs(qBlue(p) - qRed(p)) <= 12 && qBlue(p) <= 208;
}
inline bool is_hull(QRgb p) { return qBlue(p) > qRed(p) + 30; }
inline bool is_sphere(QRgb p) { return qRed(p) > qBlue(p) + 80 && qGreen(p) > qBlue(p) && qRed(p) > qGreen(p); }

// `scene` drawn into a fresh image of `size`, the whole image one area.
QImage picture_of(const PictureScene& scene, const ViewCamera& camera, QSize size, const PictureLayers& layers = {});

int count_pixels(const QImage& image, const std::function<bool(QRgb)>& kind);

// The smallest rectangle holding every pixel of `kind`; empty when there is none.
QRect bounds_of(const QImage& image, const std::function<bool(QRgb)>& kind);

// A model with one vertex per point and one triangle per index triple.
SceneModel model_of(const std::vector<Vector>& points, const std::vector<std::array<int, 3>>& triangles);

}  // namespace ombrix::testing
