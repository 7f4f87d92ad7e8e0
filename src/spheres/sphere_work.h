// How much work filling a volume with spheres takes, known once its candidates are laid out and
// before its sample points are.
#pragma once

#include <span>

#include "spheres/lay_out_candidates.h"
#include "spheres/volume_grid.h"

namespace ombrix {

// The work of filling the volume of `grid` from `positions`, in units of one sample point tested
// against one candidate: for each candidate, the sample grid's points within its radius (the
// ball's volume over the cube of the sample spacing, at most every point of the grid) and what
// finding them costs (the rows of sample points the ball crosses, one look at each x layer of
// the grid); plus the sample points themselves, laid out and indexed once.
//
// This is the first placement step, which scores every candidate; the later steps score again
// only the candidates near the samples just covered, which costs a small multiple of it at most.
// A negative radius reaches nothing; an infinite one reaches the whole grid.
double sphere_work(const VolumeGrid& grid, std::span<const SpherePosition> positions);

// Past this much sphere_work, filling a volume can take more than about half a minute on the
// two-core machine of bench/RESULTS.md, when every candidate that covers something becomes a
// sphere; below it, it never took longer there.
constexpr double kMostSphereWork = 5.0e9;

}  // namespace ombrix
