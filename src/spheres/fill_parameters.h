// The four numbers that steer sphere filling, read from their window fields.
#pragma once

#include <cstdint>

#include "shared/fields.h"

namespace ombrix {

// How a volume's spheres are chosen among the candidates: greedily one by one, or so and then
// moved to cover more (refine_spheres).
enum class SpherePlacement { kGreedy, kRefined };

struct FillParameters {
  float grid_resolution = 0.0f;     // about how many candidate centres span the smallest extent
  float sample_resolution = 0.0f;   // about how many sample points span the smallest extent
  std::int32_t target_spheres = 0;  // spheres wanted over all main volumes together
  float overshoot_percent = 0.0f;   // percent of the smallest extent added to every radius
  SpherePlacement placement = SpherePlacement::kGreedy;
};

// Reads the grid, sampling and overshoot fields as decimal numbers (leading spaces, "." whatever
// the locale, the number ends where the text can no longer continue it, no number gives 0) and
// the target field as a whole number ("$" hexadecimal, "%" binary, low 32 bits). Each field is
// read once; nothing is checked here. The placement field's text "refined" asks for the refined
// placement, any other text (an empty one too) for the greedy.
FillParameters read_fill_parameters(const Fields& fields);

}  // namespace ombrix
