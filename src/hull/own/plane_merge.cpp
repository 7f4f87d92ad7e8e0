#include "hull/own/plane_merge.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cmath>
#include <limits>

namespace ombrix {

namespace {

constexpr double kMergeOffsetShare = 0.01;       // relative to the first plane's offset
constexpr double kMergeNormalCosine = 0.996194;  // cos 5°

// Two unit normals (lengths within 3 * 2^-24 of 1) with a dot product above kMergeNormalCosine
// are less than sqrt(2 - 2 * 0.996194) + 1e-6 < 0.0873 apart, so each component differs by
// less than one cell and a plane's partners all lie in its own cell or a neighbouring one.
constexpr double kNormalCell = 0.1;
// A unit normal's components, shifted by 2 and divided by the cell, fall within 9 to 30; the
// cells from 8 to 31 cover them and their neighbours.
constexpr std::uint32_t kLowestCell = 8;
constexpr std::uint32_t kCellsPerAxis = 24;
constexpr std::uint32_t kNoSurvivor = std::numeric_limits<std::uint32_t>::max();
constexpr int kRecentAbsorberBits = 12;

std::uint32_t cell_coordinate(float component) {
  // The +2 keeps the quotient positive, so truncation is floor.
  return static_cast<std::uint32_t>((component + 2.0) / kNormalCell) - kLowestCell;
}

std::uint32_t cell_of(const Plane& plane) {
  return (cell_coordinate(plane.a) * kCellsPerAxis + cell_coordinate(plane.b)) * kCellsPerAxis +
         cell_coordinate(plane.c);
}

// The index steps to the 27 cells around a cell, itself included, one per bit of a mask.
constexpr std::array<std::int32_t, 27> kAround = [] {
  std::array<std::int32_t, 27> steps{};
  int bit = 0;
  for (int x = -1; x <= 1; ++x) {
    for (int y = -1; y <= 1; ++y) {
      for (int z = -1; z <= 1; ++z)
        steps[bit++] = (x * static_cast<int>(kCellsPerAxis) + y) * static_cast<int>(kCellsPerAxis) + z;
    }
  }
  return steps;
}();

bool absorbs(const Plane& first, const Plane& other) {
  const bool near_offset = std::fabs(static_cast<double>(other.d) - first.d) < std::fabs(kMergeOffsetShare * first.d);
  return near_offset && dot(plane_normal(first), plane_normal(other)) > kMergeNormalCosine;
}

bool same_bits(const Plane& left, const Plane& right) {
  return std::bit_cast<std::uint32_t>(left.a) == std::bit_cast<std::uint32_t>(right.a) &&
         std::bit_cast<std::uint32_t>(left.b) == std::bit_cast<std::uint32_t>(right.b) &&
         std::bit_cast<std::uint32_t>(left.c) == std::bit_cast<std::uint32_t>(right.c) &&
         std::bit_cast<std::uint32_t>(left.d) == std::bit_cast<std::uint32_t>(right.d);
}

Plane add_fields(const Plane& sum, const Plane& other) {
  return {static_cast<float>(static_cast<double>(sum.a) + other.a),
          static_cast<float>(static_cast<double>(sum.b) + other.b),
          static_cast<float>(static_cast<double>(sum.c) + other.c),
          static_cast<float>(static_cast<double>(sum.d) + other.d)};
}

}  // namespace

PlaneMerger::PlaneMerger()
    : cells_(kCellsPerAxis * kCellsPerAxis * kCellsPerAxis),
      filled_around_(cells_.size(), 0),
      recent_absorbers_(kRecentAbsorberBits) {}

// An absorbing P has |Q.d - P.d| < 0.01 |P.d|, so P.d has Q's sign and lies between Q.d / 1.01
// and Q.d / 0.99; the window from 0.98 to 1.02 times Q.d holds that range with room to spare for
// rounding. Among all matches the earliest survivor absorbs.
std::uint32_t PlaneMerger::first_absorber(const Plane& plane, std::uint32_t cell) const {
  const double low = std::min(0.98 * plane.d, 1.02 * plane.d);
  const double high = std::max(0.98 * plane.d, 1.02 * plane.d);
  std::uint32_t absorber = kNoSurvivor;
  for (std::uint32_t filled = filled_around_[cell]; filled != 0; filled &= filled - 1) {
    const auto& entries =
        cells_[cell + static_cast<std::uint32_t>(kAround[static_cast<size_t>(std::countr_zero(filled))])];
    for (auto entry = entries.lower_bound(static_cast<float>(low)); entry != entries.end() && entry->first <= high;
         ++entry) {
      if (entry->second < absorber && absorbs(survivors_[entry->second].first, plane)) absorber = entry->second;
    }
  }
  return absorber;
}

void PlaneMerger::file_survivor(std::uint32_t survivor, std::uint32_t cell) {
  if (cells_[cell].empty()) {
    for (size_t bit = 0; bit < kAround.size(); ++bit) {
      filled_around_[cell - static_cast<std::uint32_t>(kAround[bit])] |= std::uint32_t{1} << bit;
    }
  }
  cells_[cell].emplace(survivors_[survivor].first.d, survivor);
}

void PlaneMerger::add(const Plane& plane) {
  // With d = 0 the offset window is empty, and a field that is not finite compares false with
  // everything: such a plane neither absorbs nor is absorbed.
  if (plane.d == 0.0f || !is_finite(plane)) {
    survivors_.push_back({plane, plane});
    return;
  }
  assert(std::fabs(vector_length(plane_normal(plane)) - 1.0) < 0x1p-20);
  // Survivors only ever join the end, so the first absorber of a plane stays the first: the
  // last plane's, or a recent one's.
  if (same_bits(plane, last_plane_)) {
    absorb(last_absorber_, plane);
    return;
  }
  last_plane_ = plane;
  if (const std::uint32_t* known = recent_absorbers_.find(plane)) {
    last_absorber_ = *known;
    absorb(*known, plane);
    return;
  }
  const std::uint32_t cell = cell_of(plane);
  const std::uint32_t absorber = first_absorber(plane, cell);
  if (absorber != kNoSurvivor) {
    absorb(absorber, plane);
    recent_absorbers_.store(plane, absorber);
    last_absorber_ = absorber;
    return;
  }
  const auto index = static_cast<std::uint32_t>(survivors_.size());
  survivors_.push_back({plane, plane});
  file_survivor(index, cell);
  // A plane with a nonzero offset and a unit normal absorbs its own copies.
  recent_absorbers_.store(plane, index);
  last_absorber_ = index;
}

void PlaneMerger::absorb(std::uint32_t absorber, const Plane& plane) {
  Survivor& survivor = survivors_[absorber];
  survivor.sum = add_fields(survivor.sum, plane);
  ++survivor.absorbed;
}

std::vector<Plane> PlaneMerger::merged_planes() const {
  std::vector<Plane> planes;
  planes.reserve(survivors_.size());
  for (const Survivor& survivor : survivors_) {
    if (survivor.absorbed == 0) {
      planes.push_back(survivor.first);
      continue;
    }
    const double divisor = static_cast<double>(survivor.absorbed + 1);
    const Plane& sum = survivor.sum;
    planes.push_back({static_cast<float>(sum.a / divisor), static_cast<float>(sum.b / divisor),
                      static_cast<float>(sum.c / divisor), static_cast<float>(sum.d / divisor)});
  }
  return planes;
}

}  // namespace ombrix
