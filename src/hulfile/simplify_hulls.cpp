#include "hulfile/simplify_hulls.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "hull/budget/plane_budget.h"
#include "hull/solid/hull_solid.h"
#include "hull/solid/solid_volume.h"
#include "record/hull_file_limits.h"
#include "shared/joined.h"

namespace ombrix {

namespace {

// The solid's corners are rounded to single precision: the new planes keep them inside by about
// sixteen such roundings, so that the corners as they truly lie stay inside too.
constexpr double kCornerMargin = 0x1p-20;

const char* not_closed_reason(SolidResult result) {
  switch (result) {
    case SolidResult::kUnbounded:
      return "it is open on some side";
    case SolidResult::kEmpty:
      return "no point lies inside all of them";
    case SolidResult::kFlat:
      return "the region has no thickness";
    case SolidResult::kNotFinite:
    case SolidResult::kClosed:
      break;
  }
  return "a plane holds a value that is not a finite number";
}

// The edges of `solid`: each pair of corners that follow each other around a face, once.
std::vector<Edge> solid_edges(const HullSolid& solid) {
  std::vector<std::pair<size_t, size_t>> pairs;
  for (const SolidFace& face : solid.faces) {
    for (size_t k = 0; k < face.corners.size(); ++k) {
      const size_t a = face.corners[k];
      const size_t b = face.corners[(k + 1) % face.corners.size()];
      pairs.emplace_back(std::min(a, b), std::max(a, b));
    }
  }
  std::sort(pairs.begin(), pairs.end());
  pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
  std::vector<Edge> edges;
  for (const auto& [a, b] : pairs) edges.push_back({static_cast<std::int16_t>(a), static_cast<std::int16_t>(b)});
  return edges;
}

double largest_coordinate(const std::vector<Vector>& points) {
  double largest = 0.0;
  for (const Vector& p : points) {
    largest = std::max({largest, std::fabs(double(p.x)), std::fabs(double(p.y)), std::fabs(double(p.z))});
  }
  return largest;
}

}  // namespace

Simplification simplify_hulls(CollisionData& data, size_t most_planes) {
  Simplification simplification;
  std::vector<Volume> volumes = data.volumes;
  for (size_t h = 0; h < volumes.size(); ++h) {
    Volume& volume = volumes[h];
    if (volume.planes.size() <= most_planes) continue;
    const std::string hull = joined({"hull ", std::to_string(h + 1)});
    HullSolid old_solid;
    const SolidResult result = solid_of_planes(volume.planes, old_solid);
    if (result != SolidResult::kClosed) {
      simplification.refusal = joined({hull, ": its planes close no region (", not_closed_reason(result), ")"});
      simplification.hulls.clear();
      return simplification;
    }
    const double margin = kCornerMargin * largest_coordinate(old_solid.corners);
    const std::optional<BudgetedHull> budgeted = budget_hull(old_solid.corners, most_planes, -margin);
    if (!budgeted) {
      simplification.refusal = joined({hull, ": its solid is too thin to be measured"});
      simplification.hulls.clear();
      return simplification;
    }

    SimplifiedHull changed{h, volume.planes.size(), budgeted->planes.size(),
                           (budgeted->volume / solid_volume(old_solid) - 1.0) * 100.0};
    volume.planes = budgeted->planes;
    if (!volume.points.empty() || !volume.edges.empty()) {
      HullSolid new_solid;
      solid_of_planes(volume.planes, new_solid);
      std::vector<Edge> edges = solid_edges(new_solid);
      const bool fits = new_solid.corners.size() <= kMostHullFileEntries && edges.size() <= kMostHullFileEntries;
      volume.points = fits ? new_solid.corners : std::vector<Vector>();
      volume.edges = fits ? std::move(edges) : std::vector<Edge>();
      changed.corners_made = fits;
      changed.corners_dropped = !fits;
    }
    simplification.hulls.push_back(changed);
  }
  data.volumes = std::move(volumes);
  return simplification;
}

}  // namespace ombrix
