#include "reference/hull_comparison.h"

#include <bit>
#include <cstdint>
#include <sstream>

namespace ombrix::reference {

namespace {

bool same_bits(const Plane& left, const Plane& right) {
  return std::bit_cast<std::uint32_t>(left.a) == std::bit_cast<std::uint32_t>(right.a) &&
         std::bit_cast<std::uint32_t>(left.b) == std::bit_cast<std::uint32_t>(right.b) &&
         std::bit_cast<std::uint32_t>(left.c) == std::bit_cast<std::uint32_t>(right.c) &&
         std::bit_cast<std::uint32_t>(left.d) == std::bit_cast<std::uint32_t>(right.d);
}

std::string describe(const Plane& plane) {
  std::ostringstream text;
  text.precision(9);
  text << "(" << plane.a << ", " << plane.b << ", " << plane.c << ", " << plane.d << ")";
  return text.str();
}

}  // namespace

std::string first_plane_difference(std::span<const Plane> expected, std::span<const Plane> actual) {
  for (size_t p = 0; p < expected.size() && p < actual.size(); ++p) {
    if (!same_bits(expected[p], actual[p])) {
      return "plane " + std::to_string(p) + " is " + describe(actual[p]) + " instead of " + describe(expected[p]);
    }
  }
  if (expected.size() != actual.size()) {
    return std::to_string(actual.size()) + " planes instead of " + std::to_string(expected.size());
  }
  return {};
}

}  // namespace ombrix::reference
