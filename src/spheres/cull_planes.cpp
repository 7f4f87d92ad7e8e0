#include "spheres/cull_planes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ombrix {

namespace {

// Relative to the sum of the magnitudes of a plane value's terms. A plane value and its
// bounds each carry at most three roundings of 2^-53 of that sum: this leaves room to spare.
constexpr double kBoundMargin = 1e-12;

struct ValueRange {
  double low = 0.0;
  double high = 0.0;
};

void add_term(ValueRange& range, double& magnitude, float factor, float low, float high) {
  // Products of two floats are exact in double precision.
  const double at_low = static_cast<double>(factor) * low;
  const double at_high = static_cast<double>(factor) * high;
  range.low += std::min(at_low, at_high);
  range.high += std::max(at_low, at_high);
  magnitude += std::max(std::fabs(at_low), std::fabs(at_high));
}

// The plane's values over the box, widened by the margin.
ValueRange value_range(const Plane& plane, const BBox& box) {
  ValueRange range{plane.d, plane.d};
  double magnitude = std::fabs(static_cast<double>(plane.d));
  add_term(range, magnitude, plane.a, box.min_x, box.max_x);
  add_term(range, magnitude, plane.b, box.min_y, box.max_y);
  add_term(range, magnitude, plane.c, box.min_z, box.max_z);
  const double margin = magnitude * kBoundMargin;
  return {range.low - margin, range.high + margin};
}

bool finite(const ValueRange& range) { return std::isfinite(range.low) && std::isfinite(range.high); }

}  // namespace

LargestValue cull_planes(const BBox& box, std::span<const Plane> planes, float threshold,
                         std::vector<Plane>& deciding) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  // `floor` is the largest value that some plane surely reaches at every point of the box.
  double floor = -kInfinity;
  double ceiling = -kInfinity;
  bool ceiling_known = true;
  deciding.clear();
  for (const Plane& plane : planes) {
    const ValueRange range = value_range(plane, box);
    if (!finite(range)) {
      deciding.push_back(plane);
      ceiling_known = false;
      continue;
    }
    floor = std::max(floor, range.low);
    ceiling = std::max(ceiling, range.high);
    // Rounding to single precision keeps the order, so the rounded bound bounds rounded values.
    if (range.high >= floor && static_cast<float>(range.high) >= threshold) deciding.push_back(plane);
  }
  // A plane kept before the floor rose may have fallen below it.
  std::erase_if(deciding, [&](const Plane& plane) {
    const ValueRange range = value_range(plane, box);
    return finite(range) && range.high < floor;
  });
  return {static_cast<float>(floor), static_cast<float>(ceiling), ceiling_known};
}

}  // namespace ombrix
