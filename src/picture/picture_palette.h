// The colours of a picture, named after what they show.
#pragma once

#include <QColor>

namespace ombrix {

inline constexpr QRgb kBackgroundTop = qRgb(250, 250, 250);
inline constexpr QRgb kBackgroundBottom = qRgb(218, 218, 218);
inline constexpr QRgb kModelColour = qRgb(200, 200, 204);
inline constexpr QRgb kHullColour = qRgba(40, 110, 230, 64);
inline constexpr QRgb kHullEdgeColour = qRgb(25, 65, 150);
inline constexpr QRgb kExcludedHullColour = qRgba(225, 40, 70, 64);
inline constexpr QRgb kExcludedHullEdgeColour = qRgb(150, 25, 45);
inline constexpr QRgb kSphereColour = qRgb(245, 150, 30);
inline constexpr QRgb kSphereOutlineColour = qRgb(150, 80, 10);
inline constexpr QRgb kSelectedSphereColour = qRgb(70, 200, 110);
inline constexpr QRgb kSelectedSphereOutlineColour = qRgb(10, 90, 40);
inline constexpr QRgb kTextColour = qRgb(30, 30, 30);
inline constexpr QRgb kWarningColour = qRgb(170, 20, 20);

}  // namespace ombrix
