// Accepted candidate planes kept as references, so that a later candidate with nearly the same
// fields is decided from the few vertices whose side could differ between the two.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "geometry/plane.h"
#include "geometry/vector.h"
#include "hull/own/vertex_sides.h"

namespace ombrix {

// A face of a model hull is found again and again, once for every triple near it: each such
// candidate's plane values differ from a reference's by at most a bound that follows from the
// difference of their fields. Only vertices whose reference value lies within that bound of ±0.5
// can be judged differently; those are evaluated, every other vertex is settled by its value.
class SideReferences {
 public:
  // `largest_coordinate`: at least the size of every coordinate of `vertices`.
  SideReferences(std::span<const Vector> vertices, double largest_coordinate);

  // The side of `candidate`, exactly as plane_value on every vertex gives it, when a reference
  // near it settles it with a few evaluations; nothing otherwise.
  std::optional<OffPlaneSide> settle(const Plane& candidate) const;

  // Tells that `outward`, every vertex's value at most 0.5, was accepted; a reference is made
  // where such planes keep coming.
  void note_accepted(const Plane& outward);

 private:
  struct Entry {
    double value = 0.0;  // plane_value of the vertex against the reference
    Vector vertex;
  };
  struct Reference {
    Plane plane;
    double centre_value = 0.0;   // the plane's value at centre_, in double
    std::vector<Entry> highest;  // by value, highest first
    std::vector<Entry> lowest;   // by value, lowest first
    bool holds_every_vertex = false;
  };
  struct Cell {
    std::uint64_t key = 0;
    std::uint32_t accepted = 0;   // candidates accepted here without a reference
    std::int32_t reference = -1;  // index into references_, or none
  };

  std::uint64_t key_of(const Plane& plane) const;
  const Cell* find(std::uint64_t key) const;
  Cell& find_or_add(std::uint64_t key);
  double centre_value(const Plane& plane) const;
  std::optional<OffPlaneSide> settle_with(const Reference& reference, const Plane& aligned) const;
  Reference make_reference(const Plane& outward) const;

  std::span<const Vector> vertices_;
  double centre_[3] = {0.0, 0.0, 0.0};
  double reach_[3] = {0.0, 0.0, 0.0};  // at least |x - centre| per axis over the vertices
  double rounding_ = 0.0;
  double inverse_cell_ = 0.0;
  std::vector<Cell> cells_;  // open addressing; key 0 marks an empty slot
  size_t cells_used_ = 0;
  std::vector<Reference> references_;
};

}  // namespace ombrix
