// Hull file records the tests make for themselves: prisms as other tools write them, with
// corners, edges, planes, a box and an offset inside, several hulls and spheres.
#pragma once

#include "record/collision_data.h"

namespace ombrix::testing {

// `hull_count` upright prisms side by side, the k-th (from 0) with 3 + k sides: 2n corners,
// 3n edges between them, n + 2 outward unit planes, its box, its centre as offset; then two
// spheres inside each prism.
CollisionData generated_prisms(int hull_count);

// generated_prisms(3) with values no tool should write but the format holds: negative zeros,
// infinities, not-a-number payloads, the smallest subnormal, edges to points that do not exist,
// and bytes after the last sphere.
CollisionData generated_oddities();

}  // namespace ombrix::testing
