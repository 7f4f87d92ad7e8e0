#include "spheres/cover_index.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

#include "spheres/square_reach.h"

namespace ombrix {

namespace {

// The first position in [begin, end) at which `before` turns false (it is true, then false),
// searched outward from `guess` in doubling steps: a good guess costs a test or two.
template <typename Before>
std::uint32_t partition_near(std::uint32_t begin, std::uint32_t end, std::uint32_t guess, Before before) {
  const auto bisect = [&](std::uint32_t low, std::uint32_t high) {
    while (low < high) {
      const std::uint32_t middle = low + (high - low) / 2;
      if (before(middle)) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    return low;
  };
  guess = std::clamp(guess, begin, end);
  std::uint32_t step = 1;
  if (guess < end && before(guess)) {
    std::uint32_t low = guess + 1;
    while (true) {
      if (end - low < step) return bisect(low, end);
      if (!before(low + step - 1)) return bisect(low, low + step - 1);
      low += step;
      step *= 2;
    }
  }
  std::uint32_t high = guess;
  while (true) {
    if (high - begin < step) return bisect(begin, high);
    if (before(high - step)) return bisect(high - step + 1, high);
    high -= step;
    step *= 2;
  }
}

// The samples of one run as the searches see them: their z, [begin, end) in the list, in
// increasing order, and a guess of their spacing.
struct RunOfZ {
  const float* z = nullptr;
  std::uint32_t begin = 0;
  std::uint32_t end = 0;
  float first_z = 0.0f;
  float positions_per_unit = 0.0f;

  // Where `value` would lie if the samples were evenly spaced: the position of the first sample
  // at or above it, within [begin, end]. A guess only: the searches correct it.
  std::uint32_t guess(double value) const {
    const double steps = (value - first_z) * positions_per_unit;
    if (!(steps > 0.0)) return begin;  // also not-a-number
    if (!(steps < end - begin)) return end;
    // The ceiling, written out rather than std::ceil: steps fits the range here, so truncating
    // and stepping up once is exact, and stays inline in this hot path.
    const auto whole = static_cast<std::uint32_t>(steps);
    return begin + whole + (whole < steps ? 1 : 0);
  }

  // The first position in [from, to) whose z is at least `value` (at_or_above) or above it.
  std::uint32_t first_at_or_above(std::uint32_t from, std::uint32_t to, double value) const {
    return partition_near(from, to, guess(value), [&](std::uint32_t k) { return z[k] < value; });
  }
  std::uint32_t first_above(std::uint32_t from, std::uint32_t to, double value) const {
    return partition_near(from, to, guess(value), [&](std::uint32_t k) { return z[k] <= value; });
  }
};

// Samples [begin, end) of the list.
struct Stretch {
  std::uint32_t begin = 0;
  std::uint32_t end = 0;
};

// Every bound below rests on the distance's own rounding being monotone: a sum of squares only
// grows with each term. So a part of the sum already out of reach puts the whole out of reach,
// and within a run, whose z never decreases, the covered samples are one stretch around the z
// nearest the centre's.
//
// The samples of `run` within reach of a sphere at height `centre_z` whose squared distance from
// the run's x and y is `across` and whose square_reach is `limit`; empty when none.
Stretch covered_stretch(const RunOfZ& run, double across, double limit, double centre_z) {
  const auto covered = [&](std::uint32_t k) {
    const double dz = centre_z - run.z[k];
    return across + dz * dz <= limit;
  };
  // The sample nearest the centre's z is the one at or just below it: if neither is covered,
  // none is.
  const std::uint32_t above = run.first_at_or_above(run.begin, run.end, centre_z);
  std::uint32_t peak = above;
  if (above == run.end || !covered(above)) {
    if (above == run.begin || !covered(above - 1)) return {};
    peak = above - 1;
  }

  // The ends are first guessed from the reach along z without rounding; the rounded test can
  // then take in or leave out a sample or two more, so each end walks to where the test itself
  // changes. The walks stop at the peak at the latest, which is covered.
  const double half = std::sqrt(std::max(limit - across, 0.0));
  std::uint32_t first = run.first_at_or_above(run.begin, peak, centre_z - half);
  if (covered(first)) {
    while (first > run.begin && covered(first - 1)) --first;
  } else {
    while (!covered(first)) ++first;
  }
  const std::uint32_t beyond = run.first_above(peak, run.end, centre_z + half);
  std::uint32_t last = beyond > peak ? beyond - 1 : peak;
  if (covered(last)) {
    while (last + 1 < run.end && covered(last + 1)) ++last;
  } else {
    while (!covered(last)) --last;
  }
  return {first, last + 1};
}

}  // namespace

CoverIndex::CoverIndex(std::span<const SampleSphere> samples)
    : z_(samples.size()),
      weight_(samples.size()),
      left_(samples.size(), 1),
      list_size_(samples.size()),
      left_count_(samples.size()) {
  assert(samples.size() <= std::numeric_limits<std::uint32_t>::max());
  std::uint32_t run_begin = 0;
  for (std::uint32_t q = 0; q < samples.size(); ++q) {
    const Vector& point = samples[q].position;
    z_[q] = point.z;
    weight_[q] = samples[q].weight;
    // Not-a-number never equals itself, so such a sample stands in a run of its own.
    const Vector& run_start = samples[run_begin].position;
    const bool same_run = q > 0 && point.x == run_start.x && point.y == run_start.y && point.z >= z_[q - 1];
    if (!same_run && q > 0) {
      add_run(run_start.x, run_start.y, run_begin, q);
      run_begin = q;
    }
  }
  if (!samples.empty()) add_run(samples[run_begin].position.x, samples[run_begin].position.y, run_begin, list_size_);
}

void CoverIndex::add_run(float x, float y, std::uint32_t begin, std::uint32_t end) {
  const auto run_count = static_cast<std::uint32_t>(runs_.size());
  // Not-a-number never equals itself: a sample at such an x stands in a slab of its own.
  if (slabs_.empty() || x != slabs_.back().x) slabs_.push_back({x, run_count, run_count});
  ++slabs_.back().end_run;
  // The samples of a run lie nearly evenly spaced, so a position is guessed in proportion.
  Run run{x, y, begin, end, z_[begin], 0.0f};
  const double span = static_cast<double>(z_[end - 1]) - run.first_z;
  if (span > 0.0) run.positions_per_unit = static_cast<float>((end - 1 - begin) / span);
  runs_.push_back(run);
}

std::uint32_t CoverIndex::list_position(std::uint32_t k) const {
  return list_position_.empty() ? k : list_position_[k];
}

void CoverIndex::drop_taken() {
  const std::vector<Run> runs = std::move(runs_);
  const std::vector<Slab> slabs = std::move(slabs_);
  runs_.clear();
  slabs_.clear();
  std::vector<std::uint32_t> positions;
  positions.reserve(left_count_);
  std::uint32_t kept = 0;
  for (const Slab& slab : slabs) {
    for (std::uint32_t r = slab.first_run; r < slab.end_run; ++r) {
      const Run& run = runs[r];
      const std::uint32_t begin = kept;
      for (std::uint32_t k = run.begin; k < run.end; ++k) {
        if (left_[k] == 0) continue;
        z_[kept] = z_[k];
        weight_[kept] = weight_[k];
        positions.push_back(list_position(k));
        ++kept;
      }
      if (kept > begin) add_run(run.x, run.y, begin, kept);
    }
  }
  list_position_ = std::move(positions);
  z_.resize(kept);
  z_.shrink_to_fit();
  weight_.resize(kept);
  weight_.shrink_to_fit();
  left_.assign(kept, 1);
  left_.shrink_to_fit();
}

template <typename Visit>
void CoverIndex::for_each_covered_stretch(const Vector& centre, float radius, Visit visit) const {
  const double limit = square_reach(radius);
  for (const Slab& slab : slabs_) {
    const double dx = static_cast<double>(centre.x) - slab.x;
    const double along = dx * dx;
    if (!(along <= limit)) continue;
    for (std::uint32_t r = slab.first_run; r < slab.end_run; ++r) {
      const Run& run = runs_[r];
      const double dy = static_cast<double>(centre.y) - run.y;
      const double across = along + dy * dy;
      if (!(across <= limit)) continue;
      const RunOfZ run_of_z{z_.data(), run.begin, run.end, run.first_z, run.positions_per_unit};
      const Stretch stretch = covered_stretch(run_of_z, across, limit, centre.z);
      if (stretch.begin < stretch.end) visit(run, stretch.begin, stretch.end);
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
  // Taken samples cost as much to pass over as those left: drop them once they are the half.
  if (left_count_ <= z_.size() / 2) drop_taken();
  return count;
}

void CoverIndex::keep_left(std::vector<SampleSphere>& samples) const {
  assert(samples.size() == list_size_);
  std::size_t kept = 0;
  // The positions increase, so no sample is overwritten before it is moved.
  for (std::size_t k = 0; k < z_.size(); ++k) {
    if (left_[k] != 0) samples[kept++] = samples[list_position(k)];
  }
  samples.resize(kept);
}

}  // namespace ombrix
