// Whole numbers from reals as sphere filling needs them, whatever the floating-point environment.
#pragma once

#include <cstdint>

namespace ombrix {

// The nearest whole number, an exact half going to the even neighbour (5.5 gives 6, 4.5 gives 4,
// -0.5 gives 0). Infinities and not-a-number come back unchanged.
double round_half_even(double value);

// A whole-valued `value` as a signed 64-bit count. Not-a-number gives 0 and values beyond
// +-2^62 stop there, so a count that only labels an empty loop can never overflow.
std::int64_t to_count(double value);

}  // namespace ombrix
