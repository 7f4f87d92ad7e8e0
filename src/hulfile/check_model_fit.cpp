#include "hulfile/check_model_fit.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "hulfile/hull_distance.h"
#include "hull/solid/solid_volume.h"
#include "model/vertex_box.h"
#include "record/on_plane_tolerance.h"
#include "shared/joined.h"
#include "shared/number_text.h"

namespace ombrix {

namespace {

constexpr int kCoverageCells = 40;

// The grid cells whose centres lie within [low, high] on one axis of the box.
struct CellRange {
  int first = 0;
  int last = -1;
};

class CoverageGrid {
 public:
  explicit CoverageGrid(const BBox& box)
      : low_{box.min_x, box.min_y, box.min_z},
        size_{box.max_x - double(box.min_x), box.max_y - double(box.min_y), box.max_z - double(box.min_z)} {
    for (int axis = 0; axis < 3; ++axis) cells_[axis] = size_[axis] > 0.0 ? kCoverageCells : 1;
    covered_.assign(static_cast<size_t>(cells_[0] * cells_[1] * cells_[2]), false);
  }

  void cover(const Sphere& sphere) {
    const double centre[3] = {sphere.x, sphere.y, sphere.z};
    const double radius = sphere.radius;
    CellRange range[3];
    for (int axis = 0; axis < 3; ++axis) range[axis] = cells_within(axis, centre[axis] - radius, centre[axis] + radius);
    for (int i = range[0].first; i <= range[0].last; ++i) {
      for (int j = range[1].first; j <= range[1].last; ++j) {
        for (int k = range[2].first; k <= range[2].last; ++k) {
          const double dx = cell_centre(0, i) - centre[0];
          const double dy = cell_centre(1, j) - centre[1];
          const double dz = cell_centre(2, k) - centre[2];
          if ((dx * dx + dy * dy) + dz * dz <= radius * radius) covered_[index(i, j, k)] = true;
        }
      }
    }
  }

  double covered_percent() const {
    const auto count = std::count(covered_.begin(), covered_.end(), true);
    return 100.0 * static_cast<double>(count) / static_cast<double>(covered_.size());
  }

 private:
  double cell_centre(int axis, int cell) const {
    if (cells_[axis] == 1) return low_[axis] + size_[axis] / 2;
    return low_[axis] + (cell + 0.5) * size_[axis] / cells_[axis];
  }

  CellRange cells_within(int axis, double low, double high) const {
    if (cells_[axis] == 1) {
      const double centre = cell_centre(axis, 0);
      return centre >= low && centre <= high ? CellRange{0, 0} : CellRange{};
    }
    const double scale = cells_[axis] / size_[axis];
    const double first = std::ceil((low - low_[axis]) * scale - 0.5);
    const double last = std::floor((high - low_[axis]) * scale - 0.5);
    return {static_cast<int>(std::clamp(first, 0.0, double(cells_[axis]))),
            static_cast<int>(std::clamp(last, -1.0, double(cells_[axis] - 1)))};
  }

  size_t index(int i, int j, int k) const { return static_cast<size_t>((i * cells_[1] + j) * cells_[2] + k); }

  double low_[3];
  double size_[3];
  int cells_[3] = {1, 1, 1};
  std::vector<bool> covered_;
};

}  // namespace

ModelFit check_model_fit(const CollisionData& data, std::span<const MeshVertex> vertices,
                         std::vector<Finding>& findings) {
  ModelFit fit;
  BBox box;
  if (!bbox_of_vertices(box, vertices)) return fit;
  fit.vertices = vertices.size();

  const std::vector<std::optional<std::vector<FacetPlane>>> hulls = unit_hull_planes(data);
  fit.farthest_out = -std::numeric_limits<double>::infinity();
  for (const MeshVertex& vertex : vertices) {
    const std::optional<NearestHull> nearest = nearest_hull(hulls, vertex.position);
    const double out = nearest ? nearest->distance_out : std::numeric_limits<double>::infinity();
    fit.farthest_out = std::max(fit.farthest_out, out);
    if (out > kOnPlaneTolerance) ++fit.beyond_tolerance;
  }
  if (fit.beyond_tolerance > 0) {
    const std::string farthest = std::isinf(fit.farthest_out)
                                     ? std::string("no hull has usable planes")
                                     : joined({"the farthest ", format_fixed(fit.farthest_out, 3), " out"});
    findings.push_back({"model-outside",
                        joined({std::to_string(fit.beyond_tolerance), " of the model's ", std::to_string(fit.vertices),
                                fit.beyond_tolerance == 1 ? " vertices lies" : " vertices lie", " more than ",
                                format_fixed(kOnPlaneTolerance, 1), " out of the hulls (", farthest, ")"})});
  }

  CoverageGrid grid(box);
  for (const Sphere& sphere : data.spheres) {
    if (std::isfinite(sphere.x) && std::isfinite(sphere.y) && std::isfinite(sphere.z) && std::isfinite(sphere.radius)) {
      grid.cover(sphere);
    }
  }
  fit.box_covered = grid.covered_percent();

  std::vector<Vector> positions;
  positions.reserve(vertices.size());
  for (const MeshVertex& vertex : vertices) positions.push_back(vertex.position);
  fit.convex_volume = convex_hull_volume(positions);
  return fit;
}

}  // namespace ombrix
