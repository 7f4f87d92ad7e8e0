// How near a plane a point must lie to count as on it: the one tolerance the hull procedures
// build with and the hull-file checks measure with.
#pragma once

namespace ombrix {

// A point whose plane value is within this of 0 (either way, ±0.5 included) lies on the plane;
// so a point at most this far out of a hull still counts as inside it. Absolute, in model units,
// whatever the model's size.
inline constexpr double kOnPlaneTolerance = 0.5;

}  // namespace ombrix
