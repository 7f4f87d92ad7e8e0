#include "hull/plane_merge.h"

#include <algorithm>
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

std::uint32_t cell_coordinate(float component) {
  // The +2 keeps the quotient positive, so truncation is floor.
  return static_cast<std::uint32_t>((component + 2.0) / kNormalCell) - kLowestCell;
}

std::uint32_t cell_index(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
  return (x * kCellsPerAxis + y) * kCellsPerAxis + z;
}

bool is_finite(const Plane& plane) {
  return std::isfinite(plane.a) && std::isfinite(plane.b) && std::isfinite(plane.c) && std::isfinite(plane.d);
}

bool absorbs(const Plane& first, const Plane& other) {
  const bool near_offset =
      std::fabs(static_cast<double>(other.d) - first.d) < std::fabs(kMergeOffsetShare * first.d);
  return near_offset && dot(plane_normal(first), plane_normal(other)) > kMergeNormalCosine;
}

Plane add_fields(const Plane& sum, const Plane& other) {
  return {static_cast<float>(static_cast<double>(sum.a) + other.a),
          static_cast<float>(static_cast<double>(sum.b) + other.b),
          static_cast<float>(static_cast<double>(sum.c) + other.c),
          static_cast<float>(static_cast<double>(sum.d) + other.d)};
}

}  // namespace

PlaneMerger::PlaneMerger() : cells_(kCellsPerAxis * kCellsPerAxis * kCellsPerAxis) {}

void PlaneMerger::add(const Plane& plane) {
  // A plane with a field that is not finite compares false with everything: it neither
  // absorbs nor is absorbed.
  if (!is_finite(plane)) {
    survivors_.push_back({plane, plane});
    return;
  }
  assert(std::fabs(vector_length(plane_normal(plane)) - 1.0) < 0x1p-20);
  const std::uint32_t x = cell_coordinate(plane.a);
  const std::uint32_t y = cell_coordinate(plane.b);
  const std::uint32_t z = cell_coordinate(plane.c);

  // An absorbing P has |Q.d - P.d| < 0.01 |P.d|, so P.d has Q's sign and lies between Q.d / 1.01
  // and Q.d / 0.99; the window from 0.98 to 1.02 times Q.d holds that range with room to spare
  // for rounding. Among all matches the earliest survivor absorbs.
  const double low = std::min(0.98 * plane.d, 1.02 * plane.d);
  const double high = std::max(0.98 * plane.d, 1.02 * plane.d);
  std::uint32_t absorber = std::numeric_limits<std::uint32_t>::max();
  for (std::uint32_t nx = x - 1; nx <= x + 1; ++nx) {
    for (std::uint32_t ny = y - 1; ny <= y + 1; ++ny) {
      for (std::uint32_t nz = z - 1; nz <= z + 1; ++nz) {
        const std::vector<CellEntry>& cell = cells_[cell_index(nx, ny, nz)];
        auto entry = std::lower_bound(cell.begin(), cell.end(), low,
                                      [](const CellEntry& e, double value) { return e.d < value; });
        for (; entry != cell.end() && entry->d <= high; ++entry) {
          if (entry->survivor < absorber && absorbs(survivors_[entry->survivor].first, plane)) absorber = entry->survivor;
        }
      }
    }
  }
  if (absorber != std::numeric_limits<std::uint32_t>::max()) {
    Survivor& survivor = survivors_[absorber];
    survivor.sum = add_fields(survivor.sum, plane);
    ++survivor.absorbed;
    return;
  }

  const auto index = static_cast<std::uint32_t>(survivors_.size());
  survivors_.push_back({plane, plane});
  // d = 0 gives an empty offset window: such a plane absorbs nothing and needs no entry.
  if (plane.d == 0.0f) return;
  std::vector<CellEntry>& cell = cells_[cell_index(x, y, z)];
  const auto place = std::upper_bound(cell.begin(), cell.end(), plane.d,
                                      [](float value, const CellEntry& e) { return value < e.d; });
  cell.insert(place, {plane.d, index});
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
