// Where a main volume's sample points and candidate sphere centres lie: the grids inside its box.
#pragma once

#include <array>
#include <cstdint>

#include "geometry/bbox.h"
#include "geometry/vector.h"
#include "spheres/fill_parameters.h"

namespace ombrix {

// One axis of the grids. Counts are whole numbers; a negative count is an empty row.
struct GridAxis {
  float extent = 0.0f;
  float centre = 0.0f;                    // of the box: the middle candidate lies exactly here
  std::int64_t candidate_half_count = 0;  // candidates on either side of the middle one
  std::int64_t candidate_count = 0;       // 2 * half count + 1
  float first_candidate = 0.0f;           // centre - half count * candidate spacing
  float last_candidate = 0.0f;            // centre + half count * candidate spacing
  std::int64_t sample_count = 0;
  float first_sample = 0.0f;  // the sample row is centred in the box
};

struct VolumeGrid {
  std::array<GridAxis, 3> axes;  // x, y, z
  float smallest_extent = 0.0f;
  float half_diagonal = 0.0f;        // divides a sample's distance from the centre into its weight
  float nominal_spacing = 0.0f;      // smallest extent / grid resolution
  std::int64_t half_count = 0;       // candidate half count across the smallest extent
  float candidate_spacing = 0.0f;    // exactly 2 * half count + 1 spacings fit the smallest extent
  float candidate_clearance = 0.0f;  // least depth of a candidate centre below every hull plane
  float overshoot = 0.0f;            // length added to every candidate radius
  float sample_spacing = 0.0f;
  float sample_clearance = 0.0f;  // least depth of a sample below every hull plane
  double sample_points = 0.0;     // how many sample points the grid tries
  double sphere_positions = 0.0;  // how many candidate centres the grid tries
};

// The most sample points and candidate centres the grids of a volume may hold: beyond them the
// working lists would exhaust memory.
constexpr double kMostSamplePoints = 64000000.0;
constexpr double kMostSpherePositions = 8000000.0;

// The grids of `box` under `parameters`. Every real is formed in double precision from its
// stored inputs and rounded to single precision once; counts come from floor (or, for the half
// count, rounding halves away from zero) of a value rounded to single precision first.
//
// Expects a box that is finite and not flat and resolutions that are finite and above 0. Even
// then the two totals may be huge or infinite: they are formed in double precision so that a
// caller can refuse the grid before it is walked.
VolumeGrid volume_grid(const BBox& box, const FillParameters& parameters);

// The `index`-th sample coordinate (from 0) on `axis` (0, 1, 2 for x, y, z).
float sample_coordinate(const VolumeGrid& grid, int axis, std::int64_t index);

// The `index`-th candidate coordinate on `axis`: the lower half is stepped up from the first
// candidate, the upper half down from the last, and the middle one is the box centre, so the
// row is symmetric about the centre bit for bit.
float candidate_coordinate(const VolumeGrid& grid, int axis, std::int64_t index);

// Which of a volume's two grids.
enum class GridPoints { kSamples, kCandidates };

}  // namespace ombrix
