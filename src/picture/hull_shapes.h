// Hulls as the picture draws them: the solid their planes close around, or why there is none.
#pragma once

#include <span>
#include <string>

#include "geometry/plane.h"
#include "picture/picture_scene.h"
#include "record/collision_data.h"

namespace ombrix {

// The faces of the solid that `planes` close around, each a loop of its corners. When they close
// around none, no faces and a sentence naming the hull `name` and saying why: open on a side,
// empty, flat, or a plane that is not a finite number.
HullShape hull_shape(std::span<const Plane> planes, const std::string& name, bool excluded);

// Appends the hulls of `data` to `scene`: each main volume ("Hull N"), then its excluded volumes
// ("Excluded volume M of hull N"). Costs one halfspace intersection per hull.
void add_hulls(PictureScene& scene, const CollisionData& data);

}  // namespace ombrix
