// What the hull file's format can hold.
#pragma once

#include <cstddef>

namespace ombrix {

// The most entries a hull file can count in one list (hulls, a hull's points, edges or planes,
// spheres): the game reads every count as a signed 16-bit value.
inline constexpr std::size_t kMostHullFileEntries = 32767;

}  // namespace ombrix
