#include "hulfile/fill_hul_spheres.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <span>
#include <utility>

#include "geometry/bbox.h"
#include "hull/solid/hull_solid.h"
#include "shared/recording_log.h"
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

// The sphere stage spaces its points by the box, so a box far larger than the hull leaves it no
// room. A run's box is its model's: the model's vertices lie in the hull or, under a plane budget,
// a little out of it (half a unit out of a plane, a few per cent of the hull's extent along an
// axis near a sharp edge); a quarter of the extent and a unit more is well clear of that.
bool reaches_beyond(const BBox& box, const BBox& corners) {
  const Vector e = box_extents(corners);
  const auto beyond = [](float low, float high, float box_low, float box_high, float extent) {
    const double spare = 0.25 * extent + 1.0;
    return low - box_low > spare || box_high - high > spare;
  };
  return beyond(corners.min_x, corners.max_x, box.min_x, box.max_x, e.x) ||
         beyond(corners.min_y, corners.max_y, box.min_y, box.max_y, e.y) ||
         beyond(corners.min_z, corners.max_z, box.min_z, box.max_z, e.z);
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

std::vector<double> box_volumes(const std::vector<Volume>& volumes) {
  std::vector<double> weights;
  for (const Volume& volume : volumes) {
    const Vector e = box_extents(volume.box);
    weights.push_back(static_cast<double>(e.x) * e.y * e.z);
  }
  // A box too large to weigh would make every quota meaningless: then the hulls share alike.
  const bool weighable =
      std::all_of(weights.begin(), weights.end(), [](double w) { return std::isfinite(w) && w > 0.0; });
  if (!weighable || !std::isfinite(std::accumulate(weights.begin(), weights.end(), 0.0))) {
    std::fill(weights.begin(), weights.end(), 1.0);
  }
  return weights;
}

// The file's sphere list belongs to no hull, so the count asked for is what the file gets. With
// fewer spheres than hulls the largest boxes get one each (0 for the rest); otherwise every hull
// gets at least 1 and the rest goes by box volume, whole parts first and then one by one to the
// largest fractions. A target of 0 or below gives every hull 1, as in a run.
std::vector<std::int64_t> shares_of(const std::vector<Volume>& volumes, std::int32_t target) {
  const std::vector<double> weights = box_volumes(volumes);
  const size_t count = volumes.size();
  if (target <= 0) return std::vector<std::int64_t>(count, 1);
  std::vector<std::int64_t> shares(count, 0);
  if (static_cast<size_t>(target) < count) {
    std::vector<size_t> order(count);
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return weights[a] > weights[b]; });
    for (size_t i = 0; i < static_cast<size_t>(target); ++i) shares[order[i]] = 1;
    return shares;
  }
  // A hull whose quota falls below 1 is held at 1 and the others share what is left, until none falls below.
  std::vector<double> quotas(count);
  for (bool held_one = true; held_one;) {
    held_one = false;
    double free_weight = 0.0;
    std::int64_t free_target = target;
    for (size_t v = 0; v < count; ++v) {
      if (shares[v] == 1)
        --free_target;
      else
        free_weight += weights[v];
    }
    for (size_t v = 0; v < count; ++v) {
      if (shares[v] == 1) continue;
      quotas[v] = weights[v] / free_weight * static_cast<double>(free_target);
      if (quotas[v] < 1.0) {
        shares[v] = 1;
        held_one = true;
      }
    }
  }
  std::vector<double> fractions(count, -1.0);
  std::int64_t given = 0;
  for (size_t v = 0; v < count; ++v) {
    if (shares[v] == 0) {
      shares[v] = static_cast<std::int64_t>(std::floor(quotas[v]));
      fractions[v] = quotas[v] - static_cast<double>(shares[v]);
    }
    given += shares[v];
  }
  for (; given < target; ++given) {
    const auto largest = std::max_element(fractions.begin(), fractions.end());
    ++shares[static_cast<size_t>(largest - fractions.begin())];
    *largest -= 1.0;
  }
  return shares;
}

// One hull filled with its share, its lines kept to be logged once the shares are settled.
struct HullPass {
  std::vector<Sphere> spheres;
  ResultList rows;
  RecordingLog log;
  std::string refusal;  // why the sphere stage refused this hull, as it logs it; empty when it did not
};

HullPass fill_one(const Volume& volume, const Fields& fields) {
  HullPass pass;
  pass.refusal = fill_spheres(pass.spheres, std::span(&volume, 1), fields, pass.log, pass.rows).front();
  return pass;
}

struct SharedFilling {
  std::vector<std::int64_t> room;    // per hull, the spheres it holds when fewer than its share; -1 otherwise
  std::vector<std::int64_t> shares;  // per hull, its share when last filled
  std::vector<HullPass> passes;      // per hull, its last filling (empty for a share of 0)
};

// A hull with room for fewer spheres than its share (too thin for a sample, filled before its
// share is placed, or too large a work for the sphere stage at these fields) keeps what it holds
// and the others share the rest, so the file still gets the count asked for. Each round settles
// at least one more hull.
SharedFilling fill_sharing_room(const std::vector<Volume>& volumes, const Fields& fields) {
  const std::int32_t target = read_fill_parameters(fields).target_spheres;
  SharedFilling shared{std::vector<std::int64_t>(volumes.size(), -1), std::vector<std::int64_t>(volumes.size(), 0),
                       std::vector<HullPass>(volumes.size())};
  std::vector<std::int64_t>& room = shared.room;
  std::vector<std::int64_t>& shares = shared.shares;
  std::vector<HullPass>& passes = shared.passes;
  for (bool short_of_room = true; short_of_room;) {
    short_of_room = false;
    std::vector<Volume> open;
    std::int64_t open_target = target;
    for (size_t v = 0; v < volumes.size(); ++v) {
      if (room[v] < 0) {
        open.push_back(volumes[v]);
      } else {
        open_target -= room[v];
      }
    }
    if (open.empty()) break;
    // Below 1 only when the target is: then every hull gets one, as in a run.
    const std::vector<std::int64_t> open_shares =
        shares_of(open, static_cast<std::int32_t>(std::max<std::int64_t>(open_target, 0)));
    for (size_t v = 0, o = 0; v < volumes.size(); ++v) {
      if (room[v] >= 0) continue;
      shares[v] = open_shares[o++];
      passes[v] = shares[v] == 0 ? HullPass{} : fill_one(volumes[v], SharedTarget(fields, shares[v]));
      const auto placed = static_cast<std::int64_t>(passes[v].spheres.size());
      if (placed < shares[v]) {
        room[v] = placed;
        short_of_room = true;
      }
    }
  }
  return shared;
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
    const BBox corners = box_of_corners(solid.corners);
    if (!usable_box(volume.box, solid.inside)) {
      volume.box = corners;
      filling.replaced.push_back(hull_name(h) + ": its box does not hold the hull; the box of its corners is used");
    } else if (reaches_beyond(volume.box, corners)) {
      volume.box = corners;
      filling.replaced.push_back(hull_name(h) +
                                 ": its box reaches well beyond the hull; the box of its corners is used");
    }
    hull_of_volume.push_back(h);
  }
  filling.filled = volumes.size();
  if (volumes.empty()) return filling;

  // One hull is filled as a run fills its one main volume, bit for bit. Several get shares that
  // add up to the target, where a run rounds each share on its own.
  if (volumes.size() == 1) {
    HullPass pass = fill_one(volumes[0], fields);
    for (const LoggedLine& line : pass.log.lines) log.log_message(line.text, line.stamp);
    filling.spheres = std::move(pass.spheres);
    results = std::move(pass.rows);
    if (!pass.refusal.empty()) {
      filling.refused.push_back(hull_name(hull_of_volume[0]));
      filling.refusal = pass.refusal;
    }
    return filling;
  }
  const SharedFilling shared = fill_sharing_room(volumes, fields);
  const std::vector<std::int64_t>& room = shared.room;
  const std::vector<HullPass>& passes = shared.passes;
  for (size_t v = 0; v < volumes.size(); ++v) {
    const std::string name = hull_name(hull_of_volume[v]);
    if (room[v] >= 0 && passes[v].refusal.empty()) {  // a refused hull is named below
      filling.short_of_room.push_back(name + " holds " + std::to_string(room[v]) +
                                      (room[v] == 1 ? " sphere" : " spheres") + "; the other hulls take the rest");
    } else if (shared.shares[v] == 0) {
      filling.skipped.push_back(name + " gets no sphere: fewer spheres are asked for than there are hulls");
    }
    for (const LoggedLine& line : passes[v].log.lines) log.log_message(line.text, line.stamp);
    filling.spheres.insert(filling.spheres.end(), passes[v].spheres.begin(), passes[v].spheres.end());
    results.insert(results.end(), passes[v].rows.begin(), passes[v].rows.end());
  }
  // Refused everywhere, the fields rather than a hull's shape are what the stage cannot work with.
  for (size_t v = 0; v < volumes.size(); ++v) {
    const std::string& refusal = passes[v].refusal;
    if (refusal.empty()) continue;
    const std::string name = hull_name(hull_of_volume[v]);
    if (filling.spheres.empty()) {
      filling.refused.push_back(name);
      filling.refusal = refusal;
    } else {
      // The stage's sentence inside brackets, without its full stop.
      filling.skipped.push_back(name + " skipped: the sphere stage refuses it (" +
                                refusal.substr(0, refusal.size() - (refusal.back() == '.')) + ")");
    }
  }
  return filling;
}

}  // namespace ombrix
