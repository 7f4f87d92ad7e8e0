// Greedy choice of a volume's collision spheres among its candidates.
#pragma once

#include <cstddef>
#include <vector>

#include "geometry/vector.h"
#include "record/sphere.h"
#include "shared/log.h"
#include "spheres/lay_out_candidates.h"
#include "spheres/sample_hull.h"
#include "spheres/sphere_result.h"

namespace ombrix {

// Places up to `target` spheres, one per step, and returns them in placement order.
//
// Each step takes the candidate whose sphere covers the largest summed weight of the samples
// still left (a sample exactly at the radius counts; on equal weight the earlier candidate
// wins), turns it into a sphere, and removes it and the samples it covers. A candidate that
// covers nothing is removed for good; a later step re-evaluates only the candidates whose last
// score could still beat the step's best so far. Placement ends early, silently, when no
// candidate covers any weight. `samples` and `positions` lose entries but keep their order.
//
// Logs "Filling Hull with spheres." and, per sphere, its coordinates, the percent of the
// samples it covered and left, and how much of `extents` (the volume's box) the spheres so far
// span, each number with one decimal; appends one row per sphere to `results`. Every line is
// stamped. `target` is at least 1; at most 2^32 - 1 samples, none weighing less than 0.
//
// Gives exactly what scanning every sample left for every candidate evaluated would, but finds a
// candidate's samples by search (see CoverIndex) and scores a candidate again only when a sphere
// has taken samples within its reach. The first step costs about the candidates times the
// samples within one candidate's reach; memory grows with the samples and the candidates.
std::vector<Sphere> place_spheres(std::vector<SampleSphere>& samples, std::vector<SpherePosition>& positions,
                                  std::size_t target, const Vector& extents, ResultList& results, Log& log);

}  // namespace ombrix
