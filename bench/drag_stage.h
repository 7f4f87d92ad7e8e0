// The benchmark's drag stage: how long the viewer takes to follow the mouse while a sphere is
// dragged, every move handled and the window painted again, picture and panel.
#pragma once

#include <optional>
#include <string>

namespace ombrix::bench {

struct DragTiming {
  size_t polygons = 0;  // the model's polygons drawn
  size_t spheres = 0;
  double median_seconds = 0.0;  // per move of the mouse, of kDragMoves
  double longest_seconds = 0.0;
};

inline constexpr int kDragMoves = 40;
inline constexpr const char* kDragSpheres = "40";

// Runs the model at `path` through a run at the default fields but kDragSpheres spheres, opens
// the viewer (1180 by 640) on the hull file it wrote with the model, from three quarters, and
// drags a sphere across the view one move at a time, timing each move until the window has
// painted it. Nothing when no hull file could be made; `fault` then says why.
std::optional<DragTiming> time_drag(const std::string& path, std::string& fault);

}  // namespace ombrix::bench
