// A local search after the greedy placement: the same spheres moved to where together they cover
// more of the hull.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "record/sphere.h"
#include "spheres/cover_counts.h"
#include "spheres/lay_out_candidates.h"
#include "spheres/volume_grid.h"
#include "spheres/walk_grid.h"

namespace ombrix {

// How many samples the spheres covered before and after the refinement.
struct Refinement {
  std::size_t greedy_covered = 0;
  std::size_t refined_covered = 0;
};

// Moves the spheres of `spheres` (keeping their number and order) so that they cover more of the
// samples of `counts`, which must count no sphere yet and counts `spheres` in when it returns.
//
// A sphere is moved only to a centre where candidate_radius gives a radius above 0, and takes
// that radius: the greedy's own rule, so no sphere reaches further out of the hull than the
// overshoot allows or into an excluded hull. Each move covers strictly more samples than before
// it, so the refined spheres never cover fewer than the greedy's.
//
// Moves each centre a step to one of the 26 neighbours of its cube while that helps, halving the step from the
// candidate spacing down to a 64th of the sample spacing; then tries each sphere at every candidate of `candidates`
// (the greedy's list, laid out before placement) and, where one covers more, takes it there and searches again.
// Deterministic: the order of spheres, steps and candidates fixes every choice.
//
// Stops early, keeping what it has, once the grid points it has tested and the planes it has
// tried reach `allowance`.
Refinement refine_spheres(std::vector<Sphere>& spheres, CoverCounts& counts, std::span<const SpherePosition> candidates,
                          const VolumeGrid& grid, const VolumePlanes& planes, double allowance);

}  // namespace ombrix
