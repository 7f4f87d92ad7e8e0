// Resizing a hull file's contents about the origin, for a model scaled by the same factor.
#pragma once

#include "record/collision_data.h"

namespace ombrix {

// Multiplies every length of `data` by `factor`: boxes, offsets, points, plane offsets (d),
// sphere centres and radii; plane normals, edges and trailing bytes stay as they are. Each value
// is multiplied in double precision and rounded once to single precision; a value that is not
// finite stays bit for bit as it was, and signed zeros keep their sign. Excluded volumes are left
// alone (a hull file has none).
//
// Returns false, with `data` scaled all the same, when a finite value became infinite: the
// result is then too large for the file. `factor` must be finite and above 0.
bool scale_collision_data(CollisionData& data, double factor);

}  // namespace ombrix
