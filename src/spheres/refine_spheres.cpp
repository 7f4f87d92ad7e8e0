// Improving a sphere set by moving its spheres after a first placement is the idea of Wang et
// al., "Variational sphere set approximation for solid objects" (2006); here it is a plain local
// search on the sample points, each move keeping the greedy's radius rule and paying off only in
// samples newly covered.
#include "spheres/refine_spheres.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

namespace ombrix {

namespace {

// The moves of a centre to the 26 neighbours of its cube, one unit along each axis moved on, the
// moves along one axis first: diagonal moves find room an axis move cannot when a sphere sits in
// a corner of the hull.
constexpr std::array<std::array<float, 3>, 26> neighbour_moves() {
  std::array<std::array<float, 3>, 26> moves{};
  std::size_t n = 0;
  for (int axes_moved = 1; axes_moved <= 3; ++axes_moved) {
    for (int x = -1; x <= 1; ++x) {
      for (int y = -1; y <= 1; ++y) {
        for (int z = -1; z <= 1; ++z) {
          if ((x != 0) + (y != 0) + (z != 0) == axes_moved) moves[n++] = {float(x), float(y), float(z)};
        }
      }
    }
  }
  return moves;
}

constexpr std::array<std::array<float, 3>, 26> kMoves = neighbour_moves();

// The search over one volume's spheres, with every sphere but the one being moved counted in.
class SphereSearch {
 public:
  SphereSearch(std::vector<Sphere>& spheres, CoverCounts& counts, const VolumeGrid& grid, const VolumePlanes& planes,
               double allowance)
      : spheres_(spheres), counts_(counts), grid_(grid), planes_(planes), limit_(counts.points_tested() + allowance) {
    plane_count_ = static_cast<double>(planes.hull.size());
    for (const std::span<const Plane> exclusion : planes.exclusions) {
      plane_count_ += static_cast<double>(exclusion.size());
    }
  }

  bool out_of_work() const { return counts_.points_tested() + planes_tried_ >= limit_; }

  // Moves every sphere to a neighbour while that helps, from the candidate spacing down.
  void search_steps() {
    // Far below the samples' spacing: each sample lies at its own distance from a sphere's surface, so tiny moves
    // still change the count, and the centres they settle cover more of the volume between the samples too.
    const double finest = grid_.sample_spacing / 64.0;
    // A sphere that found no gain at this step finds none again until a sphere moves near it.
    std::vector<char> settled(spheres_.size(), 0);
    for (double step = grid_.candidate_spacing; step >= finest && !out_of_work();) {
      bool moved = false;
      for (std::size_t k = 0; k < spheres_.size() && !out_of_work(); ++k) {
        if (settled[k]) continue;
        const Sphere from = spheres_[k];
        bool stepped = false;
        while (!out_of_work() && step_once(k, static_cast<float>(step))) stepped = true;
        settled[k] = 1;
        if (!stepped) continue;
        moved = true;
        for (std::size_t j = 0; j < spheres_.size(); ++j) {
          if (settled[j] && (within_search(spheres_[j], from, step) || within_search(spheres_[j], spheres_[k], step))) {
            settled[j] = 0;
          }
        }
      }
      if (!moved) {
        step /= 2.0;
        settled.assign(spheres_.size(), 0);
      }
    }
  }

  // Takes each sphere, in order, to the candidate where it would cover most, if that is more than
  // it covers where it is; true when any moved.
  bool relocate(std::span<const SpherePosition> candidates) {
    bool moved = false;
    std::vector<std::size_t> open;  // per candidate, the samples no sphere covers within its reach
    for (std::size_t k = 0; k < spheres_.size() && !out_of_work(); ++k) {
      if (open.empty()) open = open_samples(candidates);
      Sphere& sphere = spheres_[k];
      counts_.add(sphere, -1);
      const std::size_t own = uncovered_within(sphere);
      std::size_t best = own;
      bool relocated = false;
      for (std::size_t c = 0; c < candidates.size() && !out_of_work(); ++c) {
        const SpherePosition& candidate = candidates[c];
        if (!(candidate.radius > 0.0f)) continue;
        // Taking the sphere out frees at most its own samples, and only where the two may meet:
        // a candidate that could not gain more than the best so far is not counted.
        const std::size_t bound = open[c] + (may_meet(candidate, sphere) ? own : 0);
        if (bound <= best) continue;
        const Sphere there{candidate.centre.x, candidate.centre.y, candidate.centre.z, candidate.radius};
        const std::size_t covered = uncovered_within(there);
        if (covered > best) {
          best = covered;
          sphere = there;
          relocated = true;
        }
      }
      counts_.add(sphere, 1);
      if (relocated) open.clear();
      moved = moved || relocated;
    }
    return moved;
  }

 private:
  // False only when no sphere that a step of `step` from `searching` tries can reach a sample
  // within `moved`: a centre moved by d changes its radius by at most d, and a sample spacing to
  // spare covers every rounding.
  bool within_search(const Sphere& searching, const Sphere& moved, double step) const {
    const double dx = static_cast<double>(searching.x) - moved.x;
    const double dy = static_cast<double>(searching.y) - moved.y;
    const double dz = static_cast<double>(searching.z) - moved.z;
    const double reach =
        static_cast<double>(searching.radius) + moved.radius + 2.0 * std::sqrt(3.0) * step + grid_.sample_spacing;
    return (dx * dx + dy * dy) + dz * dz <= reach * reach;
  }

  std::vector<std::size_t> open_samples(std::span<const SpherePosition> candidates) {
    std::vector<std::size_t> open(candidates.size(), 0);
    for (std::size_t c = 0; c < candidates.size(); ++c) {
      const SpherePosition& candidate = candidates[c];
      if (candidate.radius > 0.0f) {
        open[c] = uncovered_within({candidate.centre.x, candidate.centre.y, candidate.centre.z, candidate.radius});
      }
    }
    return open;
  }

  // False only when no sample can lie within reach of both; a sample spacing to spare covers
  // every rounding.
  bool may_meet(const SpherePosition& candidate, const Sphere& sphere) const {
    const double dx = static_cast<double>(candidate.centre.x) - sphere.x;
    const double dy = static_cast<double>(candidate.centre.y) - sphere.y;
    const double dz = static_cast<double>(candidate.centre.z) - sphere.z;
    const double reach = static_cast<double>(candidate.radius) + sphere.radius + grid_.sample_spacing;
    return (dx * dx + dy * dy) + dz * dz <= reach * reach;
  }

  std::size_t uncovered_within(const Sphere& sphere) {
    std::size_t uncovered = 0;
    counts_.for_each_covered({sphere.x, sphere.y, sphere.z}, sphere.radius, [&](std::uint32_t& count) {
      if (count == 0) ++uncovered;
    });
    return uncovered;
  }

  // The sphere the greedy's rule allows at `centre`, if any.
  std::optional<Sphere> sphere_at(const Vector& centre) {
    planes_tried_ += plane_count_;
    const float radius = candidate_radius(centre, planes_, grid_);
    if (!(radius > 0.0f)) return std::nullopt;
    return Sphere{centre.x, centre.y, centre.z, radius};
  }

  // Moves sphere `k` by `step` to the neighbour that gains most, if any gains; true when it moved.
  bool step_once(std::size_t k, float step) {
    Sphere& sphere = spheres_[k];
    counts_.add(sphere, -1);
    std::size_t best = uncovered_within(sphere);
    bool moved = false;
    const Sphere from = sphere;
    for (const auto& direction : kMoves) {
      const Vector centre{static_cast<float>(from.x + static_cast<double>(step) * direction[0]),
                          static_cast<float>(from.y + static_cast<double>(step) * direction[1]),
                          static_cast<float>(from.z + static_cast<double>(step) * direction[2])};
      const std::optional<Sphere> there = sphere_at(centre);
      if (!there) continue;
      const std::size_t covered = uncovered_within(*there);
      if (covered > best) {
        best = covered;
        sphere = *there;
        moved = true;
      }
    }
    counts_.add(sphere, 1);
    return moved;
  }

  std::vector<Sphere>& spheres_;
  CoverCounts& counts_;
  const VolumeGrid& grid_;
  const VolumePlanes& planes_;
  double limit_ = 0.0;
  double plane_count_ = 0.0;
  double planes_tried_ = 0.0;
};

}  // namespace

Refinement refine_spheres(std::vector<Sphere>& spheres, CoverCounts& counts, std::span<const SpherePosition> candidates,
                          const VolumeGrid& grid, const VolumePlanes& planes, double allowance) {
  for (const Sphere& sphere : spheres) counts.add(sphere, 1);
  Refinement refinement;
  refinement.greedy_covered = counts.covered_count();
  SphereSearch search(spheres, counts, grid, planes, allowance);
  search.search_steps();
  while (!search.out_of_work() && search.relocate(candidates)) search.search_steps();
  refinement.refined_covered = counts.covered_count();
  return refinement;
}

}  // namespace ombrix
