// The solid that a hull's planes close around, with its corners and faces: for drawing a hull
// read from a hull file and for checking that its planes make one.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "geometry/plane.h"

namespace ombrix {

// One face of the solid: the part of one plane that bounds it.
struct SolidFace {
  size_t plane = 0;             // index of the plane in the list given to solid_of_planes
  std::vector<size_t> corners;  // indices into HullSolid::corners, counter-clockwise seen from outside
};

struct HullSolid {
  std::vector<Vector> corners;
  std::vector<SolidFace> faces;  // in the order of their planes, one per plane that bounds the solid
  Vector inside;                 // the centre of the largest ball inside: a point well inside
  double inside_depth = 0.0;     // that ball's radius
};

enum class SolidResult {
  kClosed,     // the planes close around a region with a thickness: `solid` holds it
  kUnbounded,  // the region is open on some side (no planes, fewer than four, or all facing
               // one half of the directions), or closes only farther out than 10000 times the
               // largest plane offset from the origin
  kEmpty,      // no point lies inside every plane
  kFlat,       // the region has no thickness worth the name (a plane, a line, a point: less
               // than a millionth of the largest plane offset), or is too thin to resolve
  kNotFinite,  // a plane holds a value that is not a finite number
};

// Intersects the inner sides of `planes` (normals pointing out, inside where plane_value <= 0;
// normals of any length but zero) and, for kClosed, fills `solid` with its corners and faces;
// `solid` is emptied for every other result.
//
// Made for hull files as they come: a plane that bounds nothing (redundant, or entirely
// outside the others) gets no face; of near-duplicate planes only one gets the face; a plane
// with a zero normal bounds nothing when its d <= 0 and makes the region empty otherwise.
// Corners where more than three planes meet are one corner. Faces have at least three corners;
// corners are rounded to single precision from double-precision arithmetic, and a corner can
// lie a rounding error away from where its planes meet.
//
// Cost: a linear program over the planes (finding a point inside), then Qhull's halfspace
// intersection; milliseconds for hundreds of planes, well under a second for 32767.
SolidResult solid_of_planes(std::span<const Plane> planes, HullSolid& solid);

}  // namespace ombrix
