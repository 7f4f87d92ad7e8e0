#include "app/spin_step.h"

#include <cmath>
#include <cstdint>

#include "shared/number_text.h"

namespace ombrix {

namespace {

// The step's size depends on the side of the value the arrow moves to, so that 2.0 goes down
// to 1.9 but up to 3.0.
float step_below(float value) { return value <= 2.0f ? 0.1f : value <= 20.0f ? 1.0f : 5.0f; }
float step_above(float value) { return value < 2.0f ? 0.1f : value < 20.0f ? 1.0f : 5.0f; }

// The 0.01 keeps a value that is already a multiple (up to the float error of the division)
// from stepping to itself; the quotient is rounded to float before floor or ceiling.
float next_multiple(float value, SpinArrow arrow) {
  if (arrow == SpinArrow::kDown) {
    const float step = step_below(value);
    const float quotient = static_cast<float>(static_cast<double>(value) / step - 0.01);
    return static_cast<float>((std::ceil(quotient) - 1.0) * step);
  }
  const float step = step_above(value);
  const float quotient = static_cast<float>(static_cast<double>(value) / step + 0.01);
  return static_cast<float>((std::floor(quotient) + 1.0) * step);
}

std::string one_decimal(float value) { return format_fixed(value, 1); }

}  // namespace

std::string decimal_spin_step(std::string_view text, SpinArrow arrow, int minimum, int maximum) {
  const float lower = static_cast<float>(minimum / 10.0);
  const float upper = static_cast<float>(maximum / 10.0);

  const float value = next_multiple(read_decimal(text), arrow);
  std::string result = one_decimal(value);
  // The limits apply to the value the new text reads as; an infinity's text ("+Infinity")
  // reads as no number, so it is compared as itself.
  float shown = std::isinf(value) ? value : read_decimal(result);
  if (shown < lower) {
    result = one_decimal(lower);
    shown = lower;
  }
  if (shown > upper) result = one_decimal(upper);
  return result;
}

std::string whole_spin_step(std::string_view text, SpinArrow arrow, int minimum) {
  // Wrap-around in 64 bits, as the number was read.
  const auto value = static_cast<std::uint64_t>(read_whole_64(text));
  if (arrow == SpinArrow::kUp) return format_whole(static_cast<std::int64_t>(value + 1));
  const auto below = static_cast<std::int64_t>(value - 1);
  return format_whole(below < minimum ? minimum : below);
}

}  // namespace ombrix
