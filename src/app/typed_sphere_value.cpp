#include "app/typed_sphere_value.h"

#include <algorithm>
#include <cmath>

#include "geometry/bbox.h"

namespace ombrix {

namespace {

std::optional<float> typed_number(const QString& text, QString& refusal) {
  bool ok = false;
  const double value = text.trimmed().toDouble(&ok);
  if (!ok) {
    refusal = QStringLiteral("'%1' is not a number").arg(text);
    return std::nullopt;
  }
  if (!std::isfinite(value) || std::abs(value) > kFarthestCoordinate) {
    refusal = QStringLiteral("%1 is not a finite number within %2").arg(text).arg(double(kFarthestCoordinate));
    return std::nullopt;
  }
  return static_cast<float>(value);
}

}  // namespace

float largest_sensible_radius(const CollisionData& data) {
  float largest = 0.0f;
  for (const Volume& volume : data.volumes) {
    const Vector extents = box_extents(volume.box);
    for (const float extent : {extents.x, extents.y, extents.z}) {
      if (std::isfinite(extent)) largest = std::max(largest, extent);
    }
  }
  if (largest == 0.0f) return kFarthestCoordinate;
  return std::clamp(10.0f * largest, 1.0f, kFarthestCoordinate);
}

std::optional<float> typed_coordinate(const QString& text, QString& refusal) { return typed_number(text, refusal); }

std::optional<float> typed_radius(const QString& text, float largest, QString& refusal) {
  const std::optional<float> value = typed_number(text, refusal);
  if (!value) return std::nullopt;
  if (!(*value > 0.0f)) {
    refusal = QStringLiteral("a radius must be above 0, not %1").arg(text);
    return std::nullopt;
  }
  if (*value > largest) {
    refusal = QStringLiteral("a radius of %1 is far larger than the hulls (at most %2)").arg(text).arg(double(largest));
    return std::nullopt;
  }
  return value;
}

}  // namespace ombrix
