// Turns each main volume's hull into collision spheres: the sphere filling of a run.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "record/sphere.h"
#include "record/volume.h"
#include "shared/fields.h"
#include "shared/log.h"
#include "spheres/lay_out_candidates.h"
#include "spheres/place_spheres.h"
#include "spheres/sample_hull.h"
#include "spheres/sphere_result.h"

namespace ombrix {

// The three steps that fill one main volume: the tool's own unless a caller puts in another form
// of them with the same contract (the tests compare the literal procedures this way).
struct SphereStages {
  std::function<decltype(sample_hull)> sample = sample_hull;
  std::function<decltype(lay_out_candidates)> lay_out = lay_out_candidates;
  std::function<decltype(place_spheres)> place = place_spheres;
};

// Appends to `spheres` the spheres of every main volume of `volumes`, volume after volume, and
// one row per sphere to `results` (neither is cleared first). Logs
// "Creating spheres." and then reads the grid, sampling, target, overshoot and placement fields
// once. The refined placement gives each volume the greedy's spheres moved to cover more, with
// its own rows and one line more (see place_refined_spheres); it may take what the greedy's work
// leaves of the bound below.
//
// The target is shared among the main volumes by box volume, each getting at least 1. For each
// volume it logs "Discretizing hull volume with sample_spheres.", the number of sample points
// kept, the number of candidates with the grid size, and place_spheres' lines. Excluded volumes
// only keep spheres out; one whose hull has no planes is ignored with a line saying so.
//
// A volume whose box is flat or not finite, whose hull has no planes, or for which the
// parameters are unusable (resolutions not finite or not above 0, overshoot not finite, more
// than 64000000 sample points or 8000000 candidates, or candidates and samples so many and so
// large that placing the spheres would take more than about half a minute, see sphere_work) gets
// one line "    No spheres for this volume: <reason>" and no spheres; its box still counts in
// the sharing. Every line is stamped. The candidates are laid out before the samples, to weigh
// that work. Returns, per volume, that reason, or an empty text for a volume that was filled.
std::vector<std::string> fill_spheres(std::vector<Sphere>& spheres, std::span<const Volume> volumes,
                                      const Fields& fields, Log& log, ResultList& results,
                                      const SphereStages& stages = {});

}  // namespace ombrix
