// Which way to tilt a plane that touches a point set so that the region it bounds shrinks.
#pragma once

#include <optional>

#include "hull/budget/hull_points.h"

namespace ombrix {

// The unit direction, along `plane` (which touches the points), toward which tilting the normal
// by `angle` sheds the most volume, or nothing when every way adds some; `centroid` is the
// centroid of the plane's face on the region.
//
// Tilted by a small angle toward a direction w, a plane pivots about the touching point farthest
// along w, and the region changes by about -area * (centroid - pivot)·w * angle (the region
// loses what lies beyond the tilted plane and gains what lies before it). The steepest way thus
// runs to the centroid from the nearest point of the polygon of the points the plane touches;
// when the centroid lies on that polygon, the plane is where it should be. Points within `angle`
// times the points' size of the plane count as touching it, as the tilt brings them up to it.
std::optional<Point3> tilt_direction(const HullPoints& hull, const FacetPlane& plane, const Point3& centroid,
                                     double angle);

}  // namespace ombrix
