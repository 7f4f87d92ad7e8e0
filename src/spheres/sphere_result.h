// The report row of one placed sphere, and the list of the last run's rows.
#pragma once

#include <cstdint>
#include <vector>

namespace ombrix {

struct SphereResult {
  std::int32_t number = 0;  // the volume's spheres so far, this one included: 1 for each volume's first
  float trimmed = 0.0f;     // percent of the volume's samples newly covered by this sphere
  float remaining = 0.0f;   // percent of the volume's samples still uncovered after it
  float x = 0.0f;           // centre
  float y = 0.0f;
  float z = 0.0f;
  float radius = 0.0f;
  float set_min_x = 0.0f;  // box around the volume's spheres so far, radii included
  float set_max_x = 0.0f;
  float set_min_y = 0.0f;
  float set_max_y = 0.0f;
  float set_min_z = 0.0f;
  float set_max_z = 0.0f;
  float coverage_x = 0.0f;  // percent of the volume's box extent spanned by the set box
  float coverage_y = 0.0f;
  float coverage_z = 0.0f;
};

// The rows of the last run, all main volumes in order; emptied when a run starts, kept for the
// tool's lifetime otherwise, read by the result table.
using ResultList = std::vector<SphereResult>;

}  // namespace ombrix
