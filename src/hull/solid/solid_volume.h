// How much a hull's solid holds.
#pragma once

#include "hull/solid/hull_solid.h"

namespace ombrix {

// The volume of `solid` (as solid_of_planes fills it for a closed region), from its faces'
// corners in double precision: 0 for an empty solid.
double solid_volume(const HullSolid& solid);

}  // namespace ombrix
