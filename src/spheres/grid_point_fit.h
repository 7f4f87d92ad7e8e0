// Whether one grid point of a volume becomes a sample or a candidate, judged by its hull planes.
#pragma once

#include "geometry/vector.h"
#include "spheres/grid_point_values.h"
#include "spheres/volume_grid.h"

namespace ombrix {

// True when `point` lies at least `clearance` deep below every hull plane with a depth that,
// rounded to a whole number (halves to even), is not 0 (so a point at most 0.5 deep is never
// kept), and more than `clearance` outside some plane of each excluded hull.
bool sample_point_kept(const Vector& point, const JudgingPlanes& planes, float clearance);

// The weight of the sample at `point`: its distance from the box centre over half the diagonal.
float sample_weight(const Vector& point, const VolumeGrid& grid);

// The radius of the candidate centred at `centre`, or 0 when it is dropped: its depth below the
// nearest hull plane (at least the grid's candidate clearance, else 0) plus the grid's
// overshoot, then cut to how far it lies beyond each excluded hull's farthest plane, 0 when it
// is not more than the clearance beyond one. Negative when a negative overshoot outweighs it.
float candidate_radius(const Vector& centre, const JudgingPlanes& planes, const VolumeGrid& grid);

// The sample points of `grid` judged block by block: 1 for a point sample_point_kept keeps, else
// 0. Only whether some plane passes a threshold matters here, so planes that stay clear of it
// are culled too.
PointJudge sample_judge(const VolumeGrid& grid);

// The candidates of `grid` judged block by block: candidate_radius, with the planes that may
// hold the largest value, which the radius needs exactly.
PointJudge candidate_judge(const VolumeGrid& grid);

}  // namespace ombrix
