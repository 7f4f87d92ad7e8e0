// How far points lie out of a hull file's hulls, whatever length the file's normals have.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "hull/qhull/exact_hull.h"
#include "record/collision_data.h"

namespace ombrix {

// Per hull, its planes with unit normals (planes with a zero normal left out); nothing for a
// hull with a value in its planes that is not finite, which no distance can be taken from.
std::vector<std::optional<std::vector<FacetPlane>>> unit_hull_planes(const CollisionData& data);

// The largest distance of `point` beyond `planes`: how far it lies out of their hull, negative
// inside. -infinity for no planes.
double distance_out_of(std::span<const FacetPlane> planes, const Vector& point);

// The hull `point` lies out of least, and how far; nothing when no hull has planes.
struct NearestHull {
  size_t hull = 0;
  double distance_out = 0.0;
};
std::optional<NearestHull> nearest_hull(std::span<const std::optional<std::vector<FacetPlane>>> hulls,
                                        const Vector& point);

}  // namespace ombrix
