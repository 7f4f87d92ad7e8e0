// How the target number of spheres is shared among the main volumes, by the size of their boxes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "geometry/bbox.h"
#include "record/volume.h"

namespace ombrix {

// The sum of the box volumes of `volumes` in list order, rounded to single precision after each
// addition. Every volume counts, also one that later gets no spheres.
float box_volume_sum(std::span<const Volume> volumes);

// The share of `target` for a volume with `box`: its box volume / `volume_sum` * `target`,
// rounded to the nearest whole number (halves to even), and at least 1 whatever the target, even
// when the sum is 0 or not finite. At most 2^31 - 1.
std::size_t sphere_share(const BBox& box, float volume_sum, std::int32_t target);

}  // namespace ombrix
