// Bit-for-bit comparison of two sphere stages' outputs, for the tests and the benchmark.
#pragma once

#include <span>
#include <string>

#include "record/sphere.h"
#include "spheres/lay_out_candidates.h"
#include "spheres/sample_hull.h"
#include "spheres/sphere_result.h"

namespace ombrix::reference {

// Each is empty when both lists hold the same records in the same order with the same bits in
// every field (so -0 differs from +0); otherwise a sentence naming the first difference.
std::string first_sphere_difference(std::span<const Sphere> expected, std::span<const Sphere> actual);
std::string first_row_difference(std::span<const SphereResult> expected, std::span<const SphereResult> actual);
std::string first_sample_difference(std::span<const SampleSphere> expected, std::span<const SampleSphere> actual);
std::string first_position_difference(std::span<const SpherePosition> expected, std::span<const SpherePosition> actual);

}  // namespace ombrix::reference
