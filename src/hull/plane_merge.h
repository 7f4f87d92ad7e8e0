// Merging of near-duplicate hull planes into their average.
#pragma once

#include <vector>

#include "geometry/plane.h"

namespace ombrix {

// Visits the planes in order; each plane P still in the list absorbs every later plane Q with
// |Q.d - P.d| < |0.01 * P.d| and a normal within about 5° of P's (dot above 0.996194), both
// compared with P as it was: P becomes the sum of itself and the absorbed planes in list order
// (rounded to single precision after each addition) divided by their count, and the absorbed
// planes leave the list. The normal is not rescaled. Planes through the origin (d = 0) and
// planes with a field that is not finite absorb nothing.
//
// Every plane with finite fields must have a unit normal (up to rounding), as the hull
// builder's candidates do: partners are looked for only among nearby normals.
void merge_near_duplicate_planes(std::vector<Plane>& planes);

}  // namespace ombrix
