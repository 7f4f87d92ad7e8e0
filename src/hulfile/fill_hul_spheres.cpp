#include "hulfile/fill_hul_spheres.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

#include "geometry/bbox.h"
#include "hull/solid/hull_solid.h"
#include "spheres/fill_parameters.h"
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

bool finite(const Vector& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

// The planes are judged with the solid; the rest of a hull's numbers here. A damaged file's
// values are not guessed at, even where the sphere stage would not read them.
bool other_values_finite(const Volume& volume) {
  const BBox& b = volume.box;
  const float box[] = {b.min_x, b.max_x, b.min_y, b.max_y, b.min_z, b.max_z};
  return std::all_of(std::begin(box), std::end(box), [](float v) { return std::isfinite(v); }) &&
         finite(volume.offset) && std::all_of(volume.points.begin(), volume.points.end(), finite);
}

bool usable_box(const BBox& box, const Vector& inside) {
  if (!(box.min_x < box.max_x && box.min_y < box.max_y && box.min_z < box.max_z)) return false;
  return box.min_x <= inside.x && inside.x <= box.max_x && box.min_y <= inside.y && inside.y <= box.max_y &&
         box.min_z <= inside.z && inside.z <= box.max_z;
}

BBox box_of_corners(const std::vector<Vector>& corners) {
  BBox box = box_of_point(corners.front());
  for (const Vector& c : corners) extend_box(box, c);
  return box;
}

// A run's field texts with one hull's share as the target.
class SharedTarget : public Fields {
 public:
  SharedTarget(const Fields& fields, std::int64_t share) : fields_(fields), share_(std::to_string(share)) {}
  std::string field_text(Field field) const override {
    return field == Field::kTargetSpheres ? share_ : fields_.field_text(field);
  }

 private:
  const Fields& fields_;
  std::string share_;
};

// Shares `target` among `volumes` by their box volumes so that the shares add up to it: each its
// whole part, the rest one by one to the largest fractions. Every volume gets at least 1, as in a
// run, so the sum passes the target only when the target is below the number of volumes.
std::vector<std::int64_t> shares_of(const std::vector<Volume>& volumes, std::int32_t target) {
  std::vector<double> weights;
  double sum = 0.0;
  for (const Volume& volume : volumes) {
    const Vector e = box_extents(volume.box);
    weights.push_back(static_cast<double>(e.x) * e.y * e.z);
    sum += weights.back();
  }
  std::vector<std::int64_t> shares(volumes.size(), 1);
  if (target <= 0 || !(sum > 0.0) || !std::isfinite(sum)) return shares;
  std::vector<double> fractions(volumes.size());
  std::int64_t given = 0;
  for (size_t v = 0; v < volumes.size(); ++v) {
    const double quota = weights[v] / sum * target;
    shares[v] = std::max<std::int64_t>(1, static_cast<std::int64_t>(std::floor(quota)));
    fractions[v] = quota - static_cast<double>(shares[v]);
    given += shares[v];
  }
  for (; given < target; ++given) {
    const auto largest = std::max_element(fractions.begin(), fractions.end());
    ++shares[static_cast<size_t>(largest - fractions.begin())];
    *largest -= 1.0;
  }
  return shares;
}

}  // namespace

HulFilling fill_hul_spheres(const CollisionData& data, const Fields& fields, Log& log, ResultList& results) {
  results.clear();
  HulFilling filling;
  std::vector<Volume> volumes;
  std::vector<size_t> hull_of_volume;
  for (size_t h = 0; h < data.volumes.size(); ++h) {
    HullSolid solid;
    std::string why_not = why_not_filled(solid_of_planes(data.volumes[h].planes, solid));
    if (why_not.empty() && !other_values_finite(data.volumes[h])) {
      why_not = "its box, offset or corners hold a value that is not a finite number";
    }
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

  // One hull is filled as a run fills its one main volume, bit for bit. Several get shares that
  // add up to the target, where a run rounds each share on its own.
  if (volumes.size() == 1) {
    fill_spheres(filling.spheres, volumes, fields, log, results);
    if (results.empty()) filling.refused.push_back(hull_name(hull_of_volume[0]));
    return filling;
  }
  const std::vector<std::int64_t> shares = shares_of(volumes, read_fill_parameters(fields).target_spheres);
  for (size_t v = 0; v < volumes.size(); ++v) {
    const size_t rows_before = results.size();
    fill_spheres(filling.spheres, std::span(&volumes[v], 1), SharedTarget(fields, shares[v]), log, results);
    if (results.size() == rows_before) filling.refused.push_back(hull_name(hull_of_volume[v]));
  }
  return filling;
}

}  // namespace ombrix
