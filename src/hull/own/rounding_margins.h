// The own hull's tolerance, and how far rounding can carry its computed planes and plane
// values from exact arithmetic: the margins that let the fast builder skip triples and vertices
// while every decision stays the one the triple-by-triple procedure makes.
#pragma once

#include "record/on_plane_tolerance.h"

namespace ombrix {

inline constexpr double kFloatRoundoff = 0x1p-24;

// The length of a candidate's normal lies within this of 1: plane_from_points divides a cross
// product whose length is a normal float by that length, rounded to single precision, and
// rounds each quotient again.
inline constexpr double kNormalLengthError = 3.0 * kFloatRoundoff;

// How far a candidate's three vertices can lie from it (the size of their exact plane values),
// when `scale` is the largest coordinate size among them. Each rounding in plane_from_points is
// within 2^-24 of the value rounded plus, below the normal floats, 2^-150: the offset's puts the
// first vertex within about 2^-24 * 1.8 * scale of the plane, the differences and the direction
// of the normal (its cross product at least 2^-126 long, so that 2^-150 is relative too) the
// other two within about 6 * 2^-24 of their distance from the first. The absolute term bounds
// what the subnormal roundings add.
inline double defining_vertex_error(double scale) { return 24.0 * kFloatRoundoff * scale + 0x1p-80; }

// How far plane_value can be from the exact a*x + b*y + c*z + d of the same float fields, with
// every coordinate and the offset below `largest` (an offset is at most about 1.8 times the
// largest coordinate): products of two floats are exact in double, the three sums round.
inline double plane_value_error(double largest) { return 0x1p-46 * largest; }

}  // namespace ombrix
