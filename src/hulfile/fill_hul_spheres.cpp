#include "hulfile/fill_hul_spheres.h"

#include <algorithm>
#include <cmath>

#include "hull/solid/hull_solid.h"
#include "spheres/fill_spheres.h"

namespace ombrix {

namespace {

std::string hull_name(size_t index) { return "hull " + std::to_string(index + 1); }

// Empty when the planes close around a region the sphere stage can fill, else why not.
std::string why_not_filled(SolidResult result) {
  switch (result) {
    case SolidResult::kClosed:
      return {};
    case SolidResult::kUnbounded:
      return "its planes do not close around a region";
    case SolidResult::kEmpty:
      return "its planes close around nothing";
    case SolidResult::kFlat:
      return "its planes close around a region with no thickness";
    case SolidResult::kNotFinite:
      return "its planes hold a value that is not a finite number";
  }
  return "its planes cannot be used";
}

bool usable_box(const BBox& box, const Vector& inside) {
  const float values[] = {box.min_x, box.max_x, box.min_y, box.max_y, box.min_z, box.max_z};
  if (!std::all_of(std::begin(values), std::end(values), [](float v) { return std::isfinite(v); })) return false;
  if (!(box.min_x < box.max_x && box.min_y < box.max_y && box.min_z < box.max_z)) return false;
  return box.min_x <= inside.x && inside.x <= box.max_x && box.min_y <= inside.y && inside.y <= box.max_y &&
         box.min_z <= inside.z && inside.z <= box.max_z;
}

BBox box_of_corners(const std::vector<Vector>& corners) {
  BBox box{corners.front().x, corners.front().x, corners.front().y,
           corners.front().y, corners.front().z, corners.front().z};
  for (const Vector& c : corners) {
    box.min_x = std::min(box.min_x, c.x);
    box.max_x = std::max(box.max_x, c.x);
    box.min_y = std::min(box.min_y, c.y);
    box.max_y = std::max(box.max_y, c.y);
    box.min_z = std::min(box.min_z, c.z);
    box.max_z = std::max(box.max_z, c.z);
  }
  return box;
}

}  // namespace

HulFilling fill_hul_spheres(const CollisionData& data, const Fields& fields, Log& log, ResultList& results) {
  results.clear();
  HulFilling filling;
  std::vector<Volume> volumes;
  std::vector<size_t> hull_of_volume;
  for (size_t h = 0; h < data.volumes.size(); ++h) {
    HullSolid solid;
    const std::string why_not = why_not_filled(solid_of_planes(data.volumes[h].planes, solid));
    if (!why_not.empty()) {
      filling.skipped.push_back(hull_name(h) + " skipped: " + why_not);
      continue;
    }
    // The sphere stage reads only the box and the planes; points and edges stay in the file.
    Volume& volume = volumes.emplace_back();
    volume.planes = data.volumes[h].planes;
    volume.box = data.volumes[h].box;
    if (!usable_box(volume.box, solid.inside)) {
      volume.box = box_of_corners(solid.corners);
      filling.replaced.push_back(hull_name(h) + ": its box does not hold the hull; the box of its corners is used");
    }
    hull_of_volume.push_back(h);
  }
  filling.filled = volumes.size();
  if (volumes.empty()) return filling;

  // One call for all, as the run does, so the target is shared alike. The rows tell which volumes
  // got spheres: each volume's rows start again at number 1.
  fill_spheres(filling.spheres, volumes, fields, log, results);
  size_t row = 0;
  for (const size_t hull : hull_of_volume) {
    if (row == results.size() || results[row].number != 1) {
      filling.refused.push_back(hull_name(hull));
      continue;
    }
    do ++row;
    while (row < results.size() && results[row].number != 1);
  }
  return filling;
}

}  // namespace ombrix
