// The checks of a hull file's records that need no geometry: values, counts, indices, lengths.
#pragma once

#include <vector>

#include "hulfile/finding.h"
#include "record/collision_data.h"

namespace ombrix {

// Appends to `findings`, hull by hull then the spheres, at most one finding of each kind per
// hull: "box-inverted" (one per axis whose min is above its max), "not-finite" (values that are
// not finite numbers), "normal-length" (plane normals more than 1% off unit length),
// "edge-index" (edges whose indices are outside the hull's points); then "not-finite" for the
// spheres and "trailing-bytes" for bytes after the last sphere. Messages count the records
// affected and name the first (records are numbered from 1; edge indices as the file holds them).
void check_structure(const CollisionData& data, std::vector<Finding>& findings);

}  // namespace ombrix
