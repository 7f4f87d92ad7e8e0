// How much of a hull file's hulls its spheres fill: what a maintainer compares between a
// shipped hull file and a fresh one.
#pragma once

#include <optional>

#include "hulfile/check_geometry.h"
#include "record/collision_data.h"

namespace ombrix {

// Percent of the space inside the closed hulls that lies inside at least one sphere, counted on
// the centres of a grid of 32 x 32 x 32 cells over the box around those hulls. Nothing when no
// hull closes (as `check` found), no cell centre lies inside one, or the cells times the planes
// and spheres would pass 4e8 tests (far beyond any car). Spheres and hulls with values that are
// not finite are left out.
std::optional<double> hull_sphere_coverage(const CollisionData& data, const GeometryCheck& check);

}  // namespace ombrix
