#include "picture/hull_shapes.h"

#include "hull/solid/hull_solid.h"
#include "shared/number_text.h"

namespace ombrix {

namespace {

const char* why_not_closed(SolidResult result) {
  switch (result) {
    case SolidResult::kClosed:
      break;
    case SolidResult::kUnbounded:
      return "its planes do not close around a region: it is open on some side";
    case SolidResult::kEmpty:
      return "its planes close around nothing: no point lies inside all of them";
    case SolidResult::kFlat:
      return "its planes close around a region with no thickness";
    case SolidResult::kNotFinite:
      return "a plane holds a value that is not a finite number";
  }
  return "";
}

std::string counted_from_one(size_t index) { return format_whole(static_cast<std::int64_t>(index + 1)); }

}  // namespace

HullShape hull_shape(std::span<const Plane> planes, const std::string& name, bool excluded) {
  HullShape shape;
  shape.excluded = excluded;
  HullSolid solid;
  const SolidResult result = solid_of_planes(planes, solid);
  if (result != SolidResult::kClosed) {
    shape.not_closed = name + " is not drawn: " + why_not_closed(result) + ".";
    return shape;
  }
  for (const SolidFace& face : solid.faces) {
    std::vector<Vector>& loop = shape.faces.emplace_back();
    for (size_t corner : face.corners) loop.push_back(solid.corners[corner]);
  }
  return shape;
}

void add_hulls(PictureScene& scene, const CollisionData& data) {
  for (size_t h = 0; h < data.volumes.size(); ++h) {
    const Volume& volume = data.volumes[h];
    scene.hulls.push_back(hull_shape(volume.planes, "Hull " + counted_from_one(h), false));
    for (size_t e = 0; e < volume.excluded.size(); ++e) {
      const std::string name = "Excluded volume " + counted_from_one(e) + " of hull " + counted_from_one(h);
      scene.hulls.push_back(hull_shape(volume.excluded[e].planes, name, true));
    }
  }
}

}  // namespace ombrix
