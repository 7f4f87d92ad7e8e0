// Planes that touch a point set's hull along a face, an edge or at a corner: where the budget
// looks for a better plane than the one it has.
#pragma once

#include <vector>

#include "hull/budget/hull_points.h"

namespace ombrix {

// One plane per face of the points' hull (in Qhull's order), then one per edge (its normal
// halfway between its two faces'), then one per corner (the mean of the normals of the faces
// that meet there), each touching the points.
std::vector<FacetPlane> touching_candidates(const HullPoints& hull);

}  // namespace ombrix
