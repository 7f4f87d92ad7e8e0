#include "geometry/bbox.h"

#include <algorithm>
#include <cmath>

namespace ombrix {

Vector box_extents(const BBox& box) {
  return {static_cast<float>(std::fabs(static_cast<double>(box.max_x) - box.min_x)),
          static_cast<float>(std::fabs(static_cast<double>(box.max_y) - box.min_y)),
          static_cast<float>(std::fabs(static_cast<double>(box.max_z) - box.min_z))};
}

BBox box_of_point(const Vector& point) { return {point.x, point.x, point.y, point.y, point.z, point.z}; }

void extend_box(BBox& box, const Vector& point) {
  box.min_x = std::min(box.min_x, point.x);
  box.max_x = std::max(box.max_x, point.x);
  box.min_y = std::min(box.min_y, point.y);
  box.max_y = std::max(box.max_y, point.y);
  box.min_z = std::min(box.min_z, point.z);
  box.max_z = std::max(box.max_z, point.z);
}

}  // namespace ombrix
