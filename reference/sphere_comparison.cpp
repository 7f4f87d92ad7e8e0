#include "reference/sphere_comparison.h"

#include <cstring>

namespace ombrix::reference {

namespace {

// The records compared are made of 4-byte fields only, so their bytes are their fields' bits.
template <typename Record>
std::string first_difference(std::span<const Record> expected, std::span<const Record> actual, const char* noun) {
  static_assert(sizeof(Record) % 4 == 0);
  for (size_t i = 0; i < expected.size() && i < actual.size(); ++i) {
    if (std::memcmp(&expected[i], &actual[i], sizeof(Record)) != 0) {
      return std::string(noun) + " " + std::to_string(i) + " differs";
    }
  }
  if (expected.size() != actual.size()) {
    return std::to_string(actual.size()) + " " + noun + "s instead of " + std::to_string(expected.size());
  }
  return {};
}

}  // namespace

std::string first_sphere_difference(std::span<const Sphere> expected, std::span<const Sphere> actual) {
  return first_difference(expected, actual, "sphere");
}

std::string first_row_difference(std::span<const SphereResult> expected, std::span<const SphereResult> actual) {
  return first_difference(expected, actual, "row");
}

std::string first_sample_difference(std::span<const SampleSphere> expected, std::span<const SampleSphere> actual) {
  return first_difference(expected, actual, "sample");
}

std::string first_position_difference(std::span<const SpherePosition> expected,
                                      std::span<const SpherePosition> actual) {
  return first_difference(expected, actual, "position");
}

}  // namespace ombrix::reference
