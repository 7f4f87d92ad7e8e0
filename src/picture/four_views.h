// A picture of a scene from the four standard views with a small legend: what the command line
// writes for a model and its hull file, or for a run's result.
#pragma once

#include <QImage>
#include <QSize>
#include <optional>
#include <string>
#include <vector>

#include "picture/picture_scene.h"

namespace ombrix {

// Three lines saying what a picture shows.
struct PictureLegend {
  std::string model;    // "Model: body.prm, 1658 vertices, 1542 polygons", or "Model: none"
  std::string hull;     // "Hull: car.hul, 1 hull", or "Hull: none"
  std::string spheres;  // "Spheres: 11"
};

// The legend of `scene`, naming the files it was read from. Polygons left out of the models,
// excluded volumes and hulls that do not close are counted in their lines.
PictureLegend describe_scene(const PictureScene& scene);

// The smallest and largest picture sizes the four views are drawn at.
inline constexpr QSize kSmallestPicture{160, 120};
inline constexpr QSize kLargestPicture{4096, 4096};

// The four standard views of `scene`, two by two (front, side; top, three-quarter), each framing
// the whole scene under its name, above the legend. `size` must lie within the limits above.
QImage four_view_picture(const PictureScene& scene, const PictureLegend& legend, const QSize& size);

// The bytes of `image` as a PNG file; nothing when Qt cannot encode it.
std::optional<std::string> png_bytes(const QImage& image);

}  // namespace ombrix
