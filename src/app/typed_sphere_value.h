// The values a person may type for a sphere in the viewer's panel, and why others are refused.
#pragma once

#include <QString>
#include <optional>

#include "record/collision_data.h"

namespace ombrix {

// Farther out than this no car or object is, and a float loses its fraction.
inline constexpr float kFarthestCoordinate = 1e6f;

// The largest radius that still makes sense for `data`: ten times the largest extent of its hulls'
// boxes, at least 1 (and kFarthestCoordinate when no box is finite).
float largest_sensible_radius(const CollisionData& data);

// The number `text` holds, whole (blanks around it allowed), or why it cannot be a coordinate:
// not a number, not finite, or farther than kFarthestCoordinate.
std::optional<float> typed_coordinate(const QString& text, QString& refusal);

// The number `text` holds, or why it cannot be a radius: not a number, not above 0, not finite,
// or above `largest`.
std::optional<float> typed_radius(const QString& text, float largest, QString& refusal);

}  // namespace ombrix
