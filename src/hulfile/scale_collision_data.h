// Resizing a hull file's contents about the origin, for a model scaled by the same factor.
#pragma once

#include <vector>

#include "record/collision_data.h"

namespace ombrix {

enum class ScaleOutcome {
  kScaled,
  kTooLarge,  // a finite value became infinite
  kTooSmall,  // a value other than zero became zero, as no 32-bit float lies nearer
};

struct Scaling {
  ScaleOutcome outcome = ScaleOutcome::kScaled;
  std::vector<size_t> flattened;  // the hulls (from 0) whose box had depth along every axis and lost it
};

// Multiplies every length of `data` by `factor`: boxes, offsets, points, plane offsets (d),
// sphere centres and radii; plane normals, edges and trailing bytes stay as they are. Each value
// is multiplied in double precision and rounded once to single precision; a value that is not
// finite stays bit for bit as it was, and signed zeros keep their sign. Excluded volumes are left
// alone (a hull file has none).
//
// `data` is scaled all the same when the outcome is not kScaled: a value too large or too small
// for the file says the result is not worth writing, as reading "1e39" or "1e-46" in a hull text
// is refused. `factor` must be finite and above 0.
Scaling scale_collision_data(CollisionData& data, double factor);

}  // namespace ombrix
