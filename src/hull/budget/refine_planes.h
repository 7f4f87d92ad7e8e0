// The budget's second stage: each kept plane in turn moved to where, the others held, the region
// shrinks most.
#pragma once

#include <span>
#include <vector>

#include "hull/budget/hull_points.h"

namespace ombrix {

// Moves the planes of `planes` (unit normals, each touching the points, closing a region) one at
// a time, keeping a move only when the region, still closed, shrinks by more than rounding:
// first to the best of `candidates` (planes touching the points) whose normal lies within about
// 30 degrees of its own, then by tilting it about where it touches the points, toward its face's
// centroid (tilt_direction), halving the angle from 0.1 radian while that fails. Rounds over all
// planes go on while one moves, up to a fixed number. Returns the region's volume.
//
// A plane is only ever exchanged for a smaller region, so the result encloses no more than the
// planes given. The same planes give the same result. Cost per round: for every plane, a region
// cut from all the others, then one cut per candidate or tilt tried.
double refine_planes(const HullPoints& hull, std::vector<FacetPlane>& planes, std::span<const FacetPlane> candidates);

}  // namespace ombrix
