// The benchmark's picture stage: how long the renderer takes to draw a model with its hull and
// spheres, as the viewer does on every turn of the view.
#pragma once

#include <optional>
#include <string>

namespace ombrix::bench {

struct PictureTiming {
  size_t polygons = 0;  // the model's polygons drawn
  size_t hull_faces = 0;
  size_t spheres = 0;
  double seconds = 0.0;  // one drawing at kPictureWidth by kPictureHeight, the median of nine
};

inline constexpr int kPictureWidth = 800;
inline constexpr int kPictureHeight = 600;

// Reads the model at `path` with its polygons, builds its hull with the tool's own procedure and
// fills it with spheres at the default fields as a run does, and times drawing all of it from
// three quarters. Nothing when the model cannot be read; `fault` then says why.
std::optional<PictureTiming> time_picture(const std::string& path, std::string& fault);

}  // namespace ombrix::bench
