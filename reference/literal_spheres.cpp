#include "reference/literal_spheres.h"

#include <cassert>
#include <cstdint>
#include <limits>
#include <optional>

#include "spheres/lay_out_candidates.h"
#include "spheres/sample_hull.h"
#include "spheres/sphere_report.h"

namespace ombrix::reference {

namespace {

// Calls `visit(point)` for every point of the sample or candidate grid, x slowest and z fastest.
// A row with a count of 0 or below makes the walk empty.
template <typename Visit>
void for_each_grid_point(const VolumeGrid& grid, GridPoints which, Visit visit) {
  const bool samples = which == GridPoints::kSamples;
  const auto count = [&](int axis) { return samples ? grid.axes[axis].sample_count : grid.axes[axis].candidate_count; };
  const auto coordinate = [&](int axis, std::int64_t index) {
    return samples ? sample_coordinate(grid, axis, index) : candidate_coordinate(grid, axis, index);
  };
  for (std::int64_t i = 0; i < count(0); ++i) {
    for (std::int64_t j = 0; j < count(1); ++j) {
      for (std::int64_t l = 0; l < count(2); ++l) {
        visit(Vector{coordinate(0, i), coordinate(1, j), coordinate(2, l)});
      }
    }
  }
}

// Positions in the sample list, in list order.
using CoverList = std::vector<std::uint32_t>;

// Scores `candidate` afresh over the samples left, filling `cover`.
void evaluate(SpherePosition& candidate, const std::vector<SampleSphere>& samples, CoverList& cover) {
  cover.clear();
  candidate.score = 0.0f;
  for (std::size_t q = 0; q < samples.size(); ++q) {
    if (point_distance(samples[q].position, candidate.centre) <= candidate.radius) {
      cover.push_back(static_cast<std::uint32_t>(q));
      candidate.score = static_cast<float>(static_cast<double>(candidate.score) + samples[q].weight);
    }
  }
}

// Removes the samples at the (ascending) positions of `cover`, keeping the others' order.
void remove_covered(std::vector<SampleSphere>& samples, const CoverList& cover) {
  std::size_t kept = 0;
  std::size_t next = 0;
  for (std::size_t q = 0; q < samples.size(); ++q) {
    if (next < cover.size() && cover[next] == q) {
      ++next;
    } else {
      samples[kept++] = samples[q];
    }
  }
  samples.resize(kept);
}

}  // namespace

std::vector<SampleSphere> sample_hull_literal(const VolumeGrid& grid, std::span<const Plane> hull,
                                              std::span<const std::span<const Plane>> exclusions) {
  std::vector<SampleSphere> samples;
  for_each_grid_point(grid, GridPoints::kSamples, [&](const Vector& point) {
    if (sample_point_kept(point, {hull, exclusions}, grid.sample_clearance)) {
      samples.push_back({point, sample_weight(point, grid)});
    }
  });
  return samples;
}

std::vector<SpherePosition> lay_out_candidates_literal(const VolumeGrid& grid, std::span<const Plane> hull,
                                                       std::span<const std::span<const Plane>> exclusions) {
  std::vector<SpherePosition> positions;
  for_each_grid_point(grid, GridPoints::kCandidates, [&](const Vector& centre) {
    const float radius = candidate_radius(centre, {hull, exclusions}, grid);
    if (radius != 0.0f) positions.push_back({0.0f, centre, radius});
  });
  return positions;
}

std::vector<Sphere> place_spheres_literal(std::vector<SampleSphere>& samples, std::vector<SpherePosition>& positions,
                                          std::size_t target, const Vector& extents, ResultList& results, Log& log) {
  assert(target >= 1);
  assert(samples.size() <= std::numeric_limits<std::uint32_t>::max());
  log.log_message("Filling Hull with spheres.", Stamp::kStamped);

  SphereReport report(samples.size(), extents);
  std::vector<Sphere> spheres;
  CoverList cover;
  CoverList best_cover;
  bool first_step = true;

  while (spheres.size() < target) {
    std::optional<std::size_t> best;
    float best_score = 0.0f;
    bool looked_at_one = false;

    for (std::size_t p = 0; p < positions.size();) {
      SpherePosition& candidate = positions[p];
      if (!first_step && looked_at_one && best_score > candidate.score) {
        ++p;
        continue;
      }
      looked_at_one = true;
      evaluate(candidate, samples, cover);
      if (cover.empty()) {
        positions.erase(positions.begin() + static_cast<std::ptrdiff_t>(p));
        continue;
      }
      if (candidate.score > best_score) {
        best = p;
        best_score = candidate.score;
        best_cover = cover;
      }
      ++p;
    }
    if (!best) break;

    const SpherePosition chosen = positions[*best];
    positions.erase(positions.begin() + static_cast<std::ptrdiff_t>(*best));
    remove_covered(samples, best_cover);
    spheres.push_back({chosen.centre.x, chosen.centre.y, chosen.centre.z, chosen.radius});
    report.add(spheres.back(), best_cover.size(), samples.size(), results, log);
    first_step = false;
  }
  return spheres;
}

void fill_spheres_literal(std::vector<Sphere>& spheres, std::span<const Volume> volumes, const Fields& fields, Log& log,
                          ResultList& results) {
  fill_spheres(spheres, volumes, fields, log, results,
               {sample_hull_literal, lay_out_candidates_literal, place_spheres_literal});
}

}  // namespace ombrix::reference
