// A fixed-size memory of what was found for recent planes, keyed by their exact bits: the
// triples on one face of a real model often give the very same plane, whose side and merge need
// not be worked out again.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "geometry/plane.h"

namespace ombrix {

template <class Value>
class RecentPlanes {
 public:
  // Holds up to 2^slot_bits planes; a plane evicts the one in its slot.
  explicit RecentPlanes(int slot_bits) : slots_(size_t{1} << slot_bits), shift_(64 - slot_bits) {}

  // What was stored for a plane with the same bits in all four fields, or nothing.
  const Value* find(const Plane& plane) const {
    const Slot& slot = slots_[slot_of(plane)];
    const Bits bits = bits_of(plane);
    const bool same =
        slot.bits[0] == bits[0] && slot.bits[1] == bits[1] && slot.bits[2] == bits[2] && slot.bits[3] == bits[3];
    return slot.used && same ? &slot.value : nullptr;
  }

  void store(const Plane& plane, const Value& value) { slots_[slot_of(plane)] = {bits_of(plane), true, value}; }

 private:
  using Bits = std::array<std::uint32_t, 4>;
  struct Slot {
    Bits bits{};
    bool used = false;
    Value value{};
  };

  static Bits bits_of(const Plane& plane) {
    return {std::bit_cast<std::uint32_t>(plane.a), std::bit_cast<std::uint32_t>(plane.b),
            std::bit_cast<std::uint32_t>(plane.c), std::bit_cast<std::uint32_t>(plane.d)};
  }
  size_t slot_of(const Plane& plane) const {
    const Bits bits = bits_of(plane);
    std::uint64_t hash = (std::uint64_t{bits[0]} << 32 | bits[1]) * 0x9e3779b97f4a7c15ull;
    hash ^= (std::uint64_t{bits[2]} << 32 | bits[3]) * 0xc2b2ae3d27d4eb4full;
    return static_cast<size_t>((hash ^ hash >> 29) >> shift_);
  }

  std::vector<Slot> slots_;
  int shift_;
};

}  // namespace ombrix
