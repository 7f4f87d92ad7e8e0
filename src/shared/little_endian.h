// The byte order of the game's files: little-endian 16-bit counts and IEEE-754 single-precision reals.
#pragma once

#include <bit>
#include <cstdint>
#include <string>

namespace ombrix {

// Appends the low 16 bits of `value`, as the signed 16-bit counts of the files hold them.
inline void append_int16(std::string& bytes, std::int64_t value) {
  const auto bits = static_cast<std::uint16_t>(value);
  bytes += static_cast<char>(bits & 0xff);
  bytes += static_cast<char>(bits >> 8);
}

inline void append_uint32(std::string& bytes, std::uint32_t bits) {
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((bits >> shift) & 0xff);
}

// Every bit pattern, negative zero and not-a-number included, is kept.
inline void append_float32(std::string& bytes, float value) {
  append_uint32(bytes, std::bit_cast<std::uint32_t>(value));
}

inline std::int16_t int16_at(const unsigned char* bytes) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8)));
}

inline std::uint32_t uint32_at(const unsigned char* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
         (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

inline float float32_at(const unsigned char* bytes) { return std::bit_cast<float>(uint32_at(bytes)); }

}  // namespace ombrix
