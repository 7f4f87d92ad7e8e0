#include "spheres/cover_index.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

namespace ombrix {

CoverIndex::CoverIndex(std::span<const SampleSphere> samples)
    : z_(samples.size()), weight_(samples.size()), left_(samples.size(), 1), left_count_(samples.size()) {
  assert(samples.size() <= std::numeric_limits<std::uint32_t>::max());
  for (std::uint32_t q = 0; q < samples.size(); ++q) {
    const Vector& point = samples[q].position;
    z_[q] = point.z;
    weight_[q] = samples[q].weight;
    // Not-a-number never equals itself, so such a sample stands in a run of its own.
    const bool same_run = !runs_.empty() && point.x == runs_.back().x && point.y == runs_.back().y &&
                          point.z >= z_[q - 1];
    if (!same_run) {
      if (slabs_.empty() || point.x != slabs_.back().x) {
        const auto run_count = static_cast<std::uint32_t>(runs_.size());
        slabs_.push_back({point.x, run_count, run_count});
      }
      runs_.push_back({point.x, point.y, q, q});
      ++slabs_.back().end_run;
    }
    ++runs_.back().end;
  }
}

// Every bound below rests on the distance's own rounding being monotone: a sum of squares only
// grows with each term, and square roots keep the order. So a part of the distance already out
// of reach puts the whole out of reach, and within a run the covered samples are one stretch
// around the z nearest the centre's.
template <typename Visit>
void CoverIndex::for_each_covered_stretch(const Vector& centre, float radius, Visit visit) const {
  const double reach = radius;
  for (const Slab& slab : slabs_) {
    const double dx = static_cast<double>(centre.x) - slab.x;
    if (!(std::sqrt(dx * dx) <= reach)) continue;
    for (std::uint32_t r = slab.first_run; r < slab.end_run; ++r) {
      const Run& run = runs_[r];
      const double dy = static_cast<double>(centre.y) - run.y;
      const double across = dx * dx + dy * dy;
      if (!(std::sqrt(across) <= reach)) continue;

      const auto covered = [&](std::uint32_t k) {
        const double dz = static_cast<double>(centre.z) - z_[k];
        return std::sqrt(across + dz * dz) <= reach;
      };
      const float* z = z_.data();
      const auto first_at_or_above = [&](std::uint32_t begin, std::uint32_t end, double value) {
        return static_cast<std::uint32_t>(
            std::partition_point(z + begin, z + end, [value](float at) { return at < value; }) - z);
      };
      const auto first_above = [&](std::uint32_t begin, std::uint32_t end, double value) {
        return static_cast<std::uint32_t>(
            std::partition_point(z + begin, z + end, [value](float at) { return at <= value; }) - z);
      };

      const std::uint32_t above = first_at_or_above(run.begin, run.end, centre.z);
      std::uint32_t peak = above;
      if (above == run.end || !covered(above)) {
        if (above == run.begin || !covered(above - 1)) continue;
        peak = above - 1;
      }
      // A guess at the stretch's ends from the unrounded distance, then exact tests.
      const double half = std::sqrt(std::max(reach * reach - across, 0.0));
      std::uint32_t first = first_at_or_above(run.begin, peak, centre.z - half);
      if (covered(first)) {
        while (first > run.begin && covered(first - 1)) --first;
      } else {
        while (!covered(first)) ++first;
      }
      std::uint32_t last = std::max(peak, first_above(peak, run.end, centre.z + half) - 1);
      if (covered(last)) {
        while (last + 1 < run.end && covered(last + 1)) ++last;
      } else {
        while (!covered(last)) --last;
      }
      visit(run, first, last + 1);
    }
  }
}

Cover CoverIndex::cover_of(const Vector& centre, float radius) const {
  Cover cover;
  for_each_covered_stretch(centre, radius, [&](const Run&, std::uint32_t begin, std::uint32_t end) {
    for (std::uint32_t k = begin; k < end; ++k) {
      cover.score = static_cast<float>(static_cast<double>(cover.score) + weight_[k]);
      cover.count += left_[k];
    }
  });
  return cover;
}

std::size_t CoverIndex::take_cover(const Vector& centre, float radius, BBox& taken) {
  std::size_t count = 0;
  for_each_covered_stretch(centre, radius, [&](const Run& run, std::uint32_t begin, std::uint32_t end) {
    for (std::uint32_t k = begin; k < end; ++k) {
      if (left_[k] == 0) continue;
      left_[k] = 0;
      weight_[k] = 0.0f;
      if (count++ == 0) taken = {run.x, run.x, run.y, run.y, z_[k], z_[k]};
      taken = {std::min(taken.min_x, run.x), std::max(taken.max_x, run.x), std::min(taken.min_y, run.y),
               std::max(taken.max_y, run.y), std::min(taken.min_z, z_[k]), std::max(taken.max_z, z_[k])};
    }
  });
  left_count_ -= count;
  return count;
}

void CoverIndex::keep_left(std::vector<SampleSphere>& samples) const {
  assert(samples.size() == left_.size());
  std::size_t kept = 0;
  for (std::size_t q = 0; q < samples.size(); ++q) {
    if (left_[q] != 0) samples[kept++] = samples[q];
  }
  samples.resize(kept);
}

}  // namespace ombrix
