#include "spheres/square_reach.h"

#include <cmath>
#include <limits>

namespace ombrix {

double square_reach(float radius) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  if (std::isnan(radius)) return std::numeric_limits<double>::quiet_NaN();
  if (radius < 0.0f) return -kInfinity;
  const double reach = radius;
  // A float's square is exact in double precision, and its root gives the float back; the
  // roots of the next few doubles up still round to it.
  double limit = reach * reach;
  while (limit < kInfinity) {
    const double next = std::nextafter(limit, kInfinity);
    if (!(std::sqrt(next) <= reach)) break;
    limit = next;
  }
  return limit;
}

}  // namespace ombrix
