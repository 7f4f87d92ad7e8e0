// One volume's spheres placed greedily and then refined, reported as the refined spheres.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "record/sphere.h"
#include "shared/log.h"
#include "spheres/lay_out_candidates.h"
#include "spheres/place_spheres.h"
#include "spheres/sample_hull.h"
#include "spheres/sphere_result.h"
#include "spheres/volume_grid.h"
#include "spheres/walk_grid.h"

namespace ombrix {

// Places the spheres with `place` (same arguments, same lines logged) and returns them refined by
// refine_spheres within `allowance`, in the greedy's order, unless on the points halfway between
// the samples (the sample grid moved by half a spacing along every axis, kept by the samples' own
// rule) they would cover fewer than the greedy's: then the greedy's stay. Then it logs
// "    Spheres refined: R% of the hull volume covered (greedy G%)." (stamped, one decimal each,
// shares of the samples) and appends to `results` the rows of the refined spheres in place of
// the greedy's. When the samples do not lie on `grid`'s sample grid the greedy's spheres and rows
// stay, and the line gives their share twice. No samples give 0.0% twice.
//
// Memory: besides the greedy's, four bytes per point of the sample grid, twice while the points
// between the samples are counted, those points themselves, and a copy of `positions`.
std::vector<Sphere> place_refined_spheres(std::vector<SampleSphere>& samples, std::vector<SpherePosition>& positions,
                                          std::size_t target, const VolumeGrid& grid, const VolumePlanes& planes,
                                          double allowance, const std::function<decltype(place_spheres)>& place,
                                          ResultList& results, Log& log);

}  // namespace ombrix
