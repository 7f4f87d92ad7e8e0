// Improving a sphere set by moving its spheres after a first placement is the idea of Wang et
// al., "Variational sphere set approximation for solid objects" (2006); here it is a plain local
// search on the sample points, each move keeping the greedy's radius rule and paying off only in
// samples newly covered.
#include "spheres/refine_spheres.h"

#include <array>
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
    const double finest = grid_.sample_spacing / 4.0;
    for (double step = grid_.candidate_spacing; step >= finest && !out_of_work();) {
      bool moved = false;
      for (std::size_t k = 0; k < spheres_.size() && !out_of_work(); ++k) {
        while (!out_of_work() && step_once(k, static_cast<float>(step))) moved = true;
      }
      if (!moved) step /= 2.0;
    }
  }

  // Takes each sphere, in order, to the candidate where it would cover most, if that is more than
  // it covers where it is; true when any moved.
  bool relocate(std::span<const SpherePosition> candidates) {
    bool moved = false;
    for (std::size_t k = 0; k < spheres_.size() && !out_of_work(); ++k) {
      Sphere& sphere = spheres_[k];
      counts_.add(sphere, -1);
      std::size_t best = uncovered_within(sphere);
      for (const SpherePosition& candidate : candidates) {
        if (out_of_work()) break;
        if (!(candidate.radius > 0.0f)) continue;
        const Sphere there{candidate.centre.x, candidate.centre.y, candidate.centre.z, candidate.radius};
        const std::size_t covered = uncovered_within(there);
        if (covered > best) {
          best = covered;
          sphere = there;
          moved = true;
        }
      }
      counts_.add(sphere, 1);
    }
    return moved;
  }

 private:
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
