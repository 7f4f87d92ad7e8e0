// Whole pixel counts from computed sizes. Converting a floating value beyond int's range is
// undefined, and a scene from a file can make any size: every such value is clamped first.
#pragma once

namespace ombrix {

// `value` clamped to `low` to `high` and then truncated; `low` when it is not a number.
inline int clamped_pixels(double value, int low, int high) {
  if (!(value > low)) return low;
  if (!(value < high)) return high;
  return static_cast<int>(value);
}

}  // namespace ombrix
