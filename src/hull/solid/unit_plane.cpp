#include "hull/solid/unit_plane.h"

#include <cmath>

namespace ombrix {

std::optional<FacetPlane> unit_plane(const Plane& plane) {
  if (!std::isfinite(plane.a) || !std::isfinite(plane.b) || !std::isfinite(plane.c) || !std::isfinite(plane.d)) {
    return std::nullopt;
  }
  const double a = plane.a;
  const double b = plane.b;
  const double c = plane.c;
  const double length = std::sqrt((a * a + b * b) + c * c);
  if (length == 0.0) return std::nullopt;
  return FacetPlane{a / length, b / length, c / length, plane.d / length};
}

}  // namespace ombrix
