// The one renderer of pictures, for the viewer window and the command line alike: Qt's painter
// in software, so it needs no graphics card and no display.
#pragma once

#include <QRectF>

#include "picture/picture_scene.h"
#include "picture/view_camera.h"

class QPainter;

namespace ombrix {

// What a picture shows; each can be switched off on its own.
struct PictureLayers {
  bool model = true;
  bool hulls = true;
  bool spheres = true;
};

// Fills `area` with the background and draws `scene` as `camera` sees it, clipped to `area`:
// an orthographic view painted from the farthest piece to the nearest, each piece flat-shaded
// by a light from the viewer's upper left.
//
// The models' polygons are opaque triangles (a quad is two), lit on both sides. A hull is a
// translucent solid with its edges drawn, an excluded volume in a colour of its own; its far
// faces are painted before and its near faces after everything within its reach. A sphere is a
// shaded disc with its number on it when there is room; a selected one is green, outlined
// thicker, always numbered and painted over everything. A hull that does not close is not drawn:
// its sentence is written at the area's bottom left instead.
//
// Cost: one sort of the pieces and one fill each; a car body of a few thousand polygons takes a
// few milliseconds.
void draw_scene(QPainter& painter, const QRectF& area, const PictureScene& scene, const ViewCamera& camera,
                const PictureLayers& layers = {});

}  // namespace ombrix
