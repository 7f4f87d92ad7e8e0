#include "geometry/bbox.h"

#include <cmath>

namespace ombrix {

Vector box_extents(const BBox& box) {
  return {static_cast<float>(std::fabs(static_cast<double>(box.max_x) - box.min_x)),
          static_cast<float>(std::fabs(static_cast<double>(box.max_y) - box.min_y)),
          static_cast<float>(std::fabs(static_cast<double>(box.max_z) - box.min_z))};
}

}  // namespace ombrix
