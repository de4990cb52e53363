// Integer arithmetic with the two's-complement wrap-around the record's fields
// keep: a value stored into a 16- or 32-bit field keeps its low bits. Header
// values come straight from the file, so sums of them must never be undefined.
#pragma once

#include <cstdint>

inline std::int16_t wrap16(std::int64_t v) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(v)); }
inline std::int32_t wrap32(std::int64_t v) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(v)); }
inline std::int32_t wrapAdd32(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
inline std::int32_t wrapSub32(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
inline std::int32_t wrapMul32(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}
// Halving an integer divides by 2 toward zero (-7 halves to -3).
inline std::int32_t half(std::int32_t v) { return v / 2; }
