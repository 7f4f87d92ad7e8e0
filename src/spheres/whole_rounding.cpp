#include "spheres/whole_rounding.h"

#include <cmath>

namespace ombrix {

double round_half_even(double value) {
  const double below = std::floor(value);
  const double rest = value - below;  // exact: the fraction of a double is itself a double
  if (rest < 0.5) return below;
  if (rest > 0.5) return below + 1.0;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::int64_t to_count(double value) {
  constexpr double kLimit = 4611686018427387904.0;  // 2^62
  if (std::isnan(value)) return 0;
  if (value > kLimit) return static_cast<std::int64_t>(kLimit);
  if (value < -kLimit) return -static_cast<std::int64_t>(kLimit);
  return static_cast<std::int64_t>(value);
}

}  // namespace ombrix
