// How the arrows of a spin field rewrite its text.
#pragma once

#include <string>
#include <string_view>

namespace ombrix {

enum class SpinArrow { kUp, kDown };

// The text of a decimal field (one decimal) after an arrow press: the next multiple of the step
// above or below the value that `text` reads as (0 when it holds no number). The step is 0.1 up
// to 2.0, 1.0 up to 20.0 and 5.0 above; a value exactly at 2.0 or 20.0 steps down by the
// smaller step and up by the larger one. The result is kept between `minimum` / 10 and
// `maximum` / 10, the field's stored limits.
std::string decimal_spin_step(std::string_view text, SpinArrow arrow, int minimum, int maximum);

// The text of the whole-number field after an arrow press: one more or one less than the value
// `text` reads as, never below `minimum`. There is no upper limit.
std::string whole_spin_step(std::string_view text, SpinArrow arrow, int minimum);

}  // namespace ombrix
