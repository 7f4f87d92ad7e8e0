#include "hull/plane_merge.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>

namespace ombrix {

namespace {

constexpr double kMergeOffsetShare = 0.01;       // relative to the first plane's offset
constexpr double kMergeNormalCosine = 0.996194;  // cos 5°

// Two unit normals (lengths within 3 * 2^-24 of 1) with a dot product above kMergeNormalCosine
// are less than sqrt(2 - 2 * 0.996194) + 1e-6 < 0.0873 apart, so each component differs by
// less than one cell and a plane's partners all lie in its own cell or a neighbouring one.
constexpr double kNormalCell = 0.1;

// A unit normal's cell coordinate, from 9 to 30: the +2 keeps it positive, so truncation is floor.
std::uint32_t cell_coordinate(float component) { return static_cast<std::uint32_t>((component + 2.0) / kNormalCell); }

std::uint32_t cell_key(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return (x << 16) | (y << 8) | z; }

bool is_finite(const Plane& plane) {
  return std::isfinite(plane.a) && std::isfinite(plane.b) && std::isfinite(plane.c) && std::isfinite(plane.d);
}

struct Entry {
  std::uint32_t cell = 0;
  float d = 0.0f;
  std::uint32_t index = 0;
};

bool entry_before(const Entry& left, const Entry& right) {
  if (left.cell != right.cell) return left.cell < right.cell;
  if (left.d != right.d) return left.d < right.d;
  return left.index < right.index;
}

bool absorbs(const Plane& first, const Plane& other) {
  const bool near_offset =
      std::fabs(static_cast<double>(other.d) - first.d) < std::fabs(kMergeOffsetShare * first.d);
  return near_offset && dot(plane_normal(first), plane_normal(other)) > kMergeNormalCosine;
}

Plane add(const Plane& sum, const Plane& other) {
  return {static_cast<float>(static_cast<double>(sum.a) + other.a),
          static_cast<float>(static_cast<double>(sum.b) + other.b),
          static_cast<float>(static_cast<double>(sum.c) + other.c),
          static_cast<float>(static_cast<double>(sum.d) + other.d)};
}

// Every entry that may satisfy absorbs(first, entry): nearby normal cells, offsets in range.
void gather_partners(const std::vector<Entry>& entries, const Plane& first, std::vector<std::uint32_t>& out) {
  // |Q.d - P.d| is computed in double from two floats, so it is at most a relative 2^-52 below
  // the true distance: widening the window by 2^-40 of its width keeps every partner in it.
  const double width = std::fabs(kMergeOffsetShare * first.d) * (1.0 + 0x1p-40);
  const double low = first.d - width;
  const double high = first.d + width;
  const std::uint32_t x = cell_coordinate(first.a);
  const std::uint32_t y = cell_coordinate(first.b);
  const std::uint32_t z = cell_coordinate(first.c);
  for (std::uint32_t nx = x - 1; nx <= x + 1; ++nx) {
    for (std::uint32_t ny = y - 1; ny <= y + 1; ++ny) {
      for (std::uint32_t nz = z - 1; nz <= z + 1; ++nz) {
        const std::uint32_t cell = cell_key(nx, ny, nz);
        auto it = std::lower_bound(entries.begin(), entries.end(), cell, [&](const Entry& entry, std::uint32_t key) {
          return entry.cell < key || (entry.cell == key && entry.d < low);
        });
        for (; it != entries.end() && it->cell == cell && it->d <= high; ++it) out.push_back(it->index);
      }
    }
  }
}

}  // namespace

void merge_near_duplicate_planes(std::vector<Plane>& planes) {
  std::vector<Entry> entries;
  for (size_t p = 0; p < planes.size(); ++p) {
    if (!is_finite(planes[p])) continue;
    const Plane& plane = planes[p];
    assert(std::fabs(vector_length(plane_normal(plane)) - 1.0) < 0x1p-20);
    entries.push_back({cell_key(cell_coordinate(plane.a), cell_coordinate(plane.b), cell_coordinate(plane.c)), plane.d,
                       static_cast<std::uint32_t>(p)});
  }
  std::sort(entries.begin(), entries.end(), entry_before);

  std::vector<char> absorbed(planes.size(), 0);
  std::vector<std::uint32_t> partners;
  for (size_t p = 0; p < planes.size(); ++p) {
    // d = 0 gives an empty offset window: such a plane can absorb nothing.
    if (absorbed[p] || !is_finite(planes[p]) || planes[p].d == 0.0f) continue;
    const Plane first = planes[p];
    partners.clear();
    gather_partners(entries, first, partners);
    std::sort(partners.begin(), partners.end());

    Plane sum = first;
    size_t count = 0;
    for (const std::uint32_t q : partners) {
      if (q <= p || absorbed[q] || !absorbs(first, planes[q])) continue;
      sum = add(sum, planes[q]);
      absorbed[q] = 1;
      ++count;
    }
    if (count == 0) continue;
    const double divisor = static_cast<double>(count + 1);
    planes[p] = {static_cast<float>(sum.a / divisor), static_cast<float>(sum.b / divisor),
                 static_cast<float>(sum.c / divisor), static_cast<float>(sum.d / divisor)};
  }

  size_t kept = 0;
  for (size_t p = 0; p < planes.size(); ++p) {
    if (!absorbed[p]) planes[kept++] = planes[p];
  }
  planes.resize(kept);
}

}  // namespace ombrix
