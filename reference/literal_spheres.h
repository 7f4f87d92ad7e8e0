// The sphere filling exactly as written down, every sample tried against every candidate: the
// reference that the tool's sphere stage must match bit for bit. Reachable from the tests and
// the benchmark only.
#pragma once

#include <span>
#include <vector>

#include "geometry/plane.h"
#include "shared/fields.h"
#include "shared/log.h"
#include "spheres/fill_spheres.h"

namespace ombrix::reference {

// Same contract as sample_hull: walks every grid point and tries every plane at each.
std::vector<SampleSphere> sample_hull_literal(const VolumeGrid& grid, std::span<const Plane> hull,
                                              std::span<const std::span<const Plane>> exclusions);

// Same contract as lay_out_candidates: walks every grid point and tries every plane at each.
std::vector<SpherePosition> lay_out_candidates_literal(const VolumeGrid& grid, std::span<const Plane> hull,
                                                       std::span<const std::span<const Plane>> exclusions);

// Same contract as place_spheres: each evaluation scans every sample left, so a step costs the
// candidates it evaluates times the samples left.
std::vector<Sphere> place_spheres_literal(std::vector<SampleSphere>& samples, std::vector<SpherePosition>& positions,
                                          std::size_t target, const Vector& extents, ResultList& results, Log& log);

// fill_spheres with the three literal steps above.
void fill_spheres_literal(std::vector<Sphere>& spheres, std::span<const Volume> volumes, const Fields& fields, Log& log,
                          ResultList& results);

}  // namespace ombrix::reference
