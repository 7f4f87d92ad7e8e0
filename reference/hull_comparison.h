// Bit-for-bit comparison of two hull builders' outputs, for the tests and the benchmark.
#pragma once

#include <span>
#include <string>

#include "geometry/plane.h"

namespace ombrix::reference {

// Empty when both lists hold the same planes in the same order with the same bits in every
// field (so -0 differs from +0 and a not-a-number equals itself); otherwise a sentence naming
// the first difference.
std::string first_plane_difference(std::span<const Plane> expected, std::span<const Plane> actual);

}  // namespace ombrix::reference
