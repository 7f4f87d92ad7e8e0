#include "hull/own/side_references.h"

#include <algorithm>
#include <cmath>

#include "hull/own/rounding_margins.h"

namespace ombrix {

namespace {

// Vertices kept per reference at each end of its values: a candidate whose uncertain band holds
// more of them is left to the box tree.
constexpr size_t kEntriesPerEnd = 48;
// Accepted candidates a cell sees before it is given a reference: a reference costs a pass over
// all vertices, a box-tree test a small part of one.
constexpr std::uint32_t kAcceptedBeforeReference = 8;
// Normals within one cell differ by less than this much of a unit of plane value across the
// whole model, so that their bands stay narrow.
constexpr double kCellSpread = 0.125;

double aligned_difference(const Plane& plane, const Plane& reference, const double reach[3]) {
  return std::fabs(static_cast<double>(plane.a) - reference.a) * reach[0] +
         std::fabs(static_cast<double>(plane.b) - reference.b) * reach[1] +
         std::fabs(static_cast<double>(plane.c) - reference.c) * reach[2];
}

Plane turned(const Plane& plane) { return {-plane.a, -plane.b, -plane.c, -plane.d}; }

}  // namespace

SideReferences::SideReferences(std::span<const Vector> vertices, double largest_coordinate)
    : vertices_(vertices), cells_(64) {
  if (vertices.empty()) return;
  double low[3] = {vertices[0].x, vertices[0].y, vertices[0].z};
  double high[3] = {low[0], low[1], low[2]};
  for (const Vector& vertex : vertices) {
    const double at[3] = {vertex.x, vertex.y, vertex.z};
    for (int k = 0; k < 3; ++k) {
      low[k] = std::min(low[k], at[k]);
      high[k] = std::max(high[k], at[k]);
    }
  }
  double spread = 0.0;
  for (int k = 0; k < 3; ++k) {
    centre_[k] = 0.5 * (low[k] + high[k]);
    // The centre and the differences round: a relative 2^-40 more covers every vertex.
    reach_[k] = std::max(high[k] - centre_[k], centre_[k] - low[k]) * (1.0 + 0x1p-40);
    spread += reach_[k];
  }
  // Both planes' values at every vertex and at the centre, and the bound itself, each round by
  // far less than this.
  rounding_ = 4.0 * plane_value_error(largest_coordinate) + 0x1p-80;
  // Cells finer than the floats' own steps between normals would never be found again.
  inverse_cell_ = std::min(spread / kCellSpread, 0x1p22);
}

std::uint64_t SideReferences::key_of(const Plane& plane) const {
  // Both orientations of a plane share a cell: the one whose largest normal component is
  // positive is filed.
  double normal[3] = {plane.a, plane.b, plane.c};
  int largest = 0;
  for (int k = 1; k < 3; ++k) {
    if (std::fabs(normal[k]) > std::fabs(normal[largest])) largest = k;
  }
  const double sign = normal[largest] < 0.0 ? -1.0 : 1.0;
  std::uint64_t key = std::uint64_t{1} << 63;  // never 0, the mark of an empty slot
  for (int k = 0; k < 3; ++k) {
    // A normal component is at most about 1, so the cell number fits 21 bits with room to spare.
    const auto cell = static_cast<std::int64_t>(std::floor(sign * normal[k] * inverse_cell_));
    key |= (static_cast<std::uint64_t>(cell) & 0x1fffff) << (21 * k);
  }
  return key;
}

const SideReferences::Cell* SideReferences::find(std::uint64_t key) const {
  const size_t mask = cells_.size() - 1;
  for (size_t slot = (key * 0x9e3779b97f4a7c15ull) >> 40 & mask;; slot = (slot + 1) & mask) {
    if (cells_[slot].key == key) return &cells_[slot];
    if (cells_[slot].key == 0) return nullptr;
  }
}

SideReferences::Cell& SideReferences::find_or_add(std::uint64_t key) {
  if (2 * (cells_used_ + 1) > cells_.size()) {
    std::vector<Cell> old(cells_.size() * 2);
    old.swap(cells_);
    cells_used_ = 0;
    for (const Cell& cell : old) {
      if (cell.key != 0) find_or_add(cell.key) = cell;
    }
  }
  const size_t mask = cells_.size() - 1;
  for (size_t slot = (key * 0x9e3779b97f4a7c15ull) >> 40 & mask;; slot = (slot + 1) & mask) {
    if (cells_[slot].key == key) return cells_[slot];
    if (cells_[slot].key == 0) {
      ++cells_used_;
      cells_[slot].key = key;
      return cells_[slot];
    }
  }
}

double SideReferences::centre_value(const Plane& plane) const {
  return ((plane.a * centre_[0] + plane.b * centre_[1]) + plane.c * centre_[2]) + plane.d;
}

std::optional<OffPlaneSide> SideReferences::settle(const Plane& candidate) const {
  const Cell* cell = find(key_of(candidate));
  if (!cell || cell->reference < 0) return std::nullopt;
  const Reference& reference = references_[static_cast<size_t>(cell->reference)];
  const bool turn = dot(plane_normal(candidate), plane_normal(reference.plane)) < 0.0;
  const std::optional<OffPlaneSide> side = settle_with(reference, turn ? turned(candidate) : candidate);
  if (!turn || !side || *side == OffPlaneSide::kNeither) return side;
  return *side == OffPlaneSide::kPositive ? OffPlaneSide::kNegative : OffPlaneSide::kPositive;
}

// The exact values of `aligned` and of the reference differ at a vertex x by the normals'
// difference times (x - centre) plus their difference at the centre: with `shift` that
// difference and `slack` the first term's bound and every rounding, the computed value of x
// lies within slack of its reference value plus shift. Ends of the value lists are visited
// until the rest lie where the bound alone settles them.
std::optional<OffPlaneSide> SideReferences::settle_with(const Reference& reference, const Plane& aligned) const {
  if (!is_finite(aligned)) return std::nullopt;
  const double shift = centre_value(aligned) - reference.centre_value;
  const double slack = aligned_difference(aligned, reference.plane, reach_) * (1.0 + 0x1p-40) + rounding_;

  VertexSides sides;
  bool highest_settled = reference.holds_every_vertex;
  for (const Entry& entry : reference.highest) {
    if (entry.value + shift - slack > kOnPlaneTolerance) {
      sides.positive = true;
      break;
    }
    if (entry.value + shift + slack <= kOnPlaneTolerance) {
      highest_settled = true;  // so are all after it: none of them can be above the tolerance
      break;
    }
    if (plane_value(entry.vertex, aligned) > kOnPlaneTolerance) {
      sides.positive = true;
      break;
    }
  }
  if (!sides.positive && !highest_settled) return std::nullopt;

  bool lowest_settled = reference.holds_every_vertex;
  for (const Entry& entry : reference.lowest) {
    if (entry.value + shift + slack < -kOnPlaneTolerance) {
      sides.negative = true;
      break;
    }
    if (entry.value + shift - slack >= -kOnPlaneTolerance) {
      lowest_settled = true;
      break;
    }
    if (plane_value(entry.vertex, aligned) < -kOnPlaneTolerance) {
      sides.negative = true;
      break;
    }
  }
  if (!sides.negative && !lowest_settled) return std::nullopt;
  return sides.side();
}

SideReferences::Reference SideReferences::make_reference(const Plane& outward) const {
  Reference reference;
  reference.plane = outward;
  reference.centre_value = centre_value(outward);
  std::vector<Entry> entries;
  entries.reserve(vertices_.size());
  for (const Vector& vertex : vertices_) entries.push_back({plane_value(vertex, outward), vertex});
  const auto kept = static_cast<std::ptrdiff_t>(std::min(kEntriesPerEnd, entries.size()));
  reference.holds_every_vertex = static_cast<size_t>(kept) == entries.size();
  const auto take_end = [&](std::vector<Entry>& into, auto order) {
    std::nth_element(entries.begin(), entries.begin() + kept - 1, entries.end(), order);
    std::sort(entries.begin(), entries.begin() + kept, order);
    into.assign(entries.begin(), entries.begin() + kept);
  };
  take_end(reference.lowest, [](const Entry& left, const Entry& right) { return left.value < right.value; });
  take_end(reference.highest, [](const Entry& left, const Entry& right) { return left.value > right.value; });
  return reference;
}

void SideReferences::note_accepted(const Plane& outward) {
  Cell& cell = find_or_add(key_of(outward));
  if (cell.reference >= 0 || ++cell.accepted < kAcceptedBeforeReference) return;
  cell.reference = static_cast<std::int32_t>(references_.size());
  references_.push_back(make_reference(outward));
}

}  // namespace ombrix
