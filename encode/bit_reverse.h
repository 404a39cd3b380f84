#pragma once

// The bit reversal that bitReverseDemo is named after, run while the program compiles.

#include <cstdint>

// Returns the low 8 bits of `value` in reverse order: bit 0 becomes bit 7, bit 1 bit 6, and so
// on; bits above the low 8 are left out. Each turn shifts the result left and brings in the
// value's lowest bit, so the bit taken first travels furthest. For 43, 00101011, the bits taken
// are 1 1 0 1 0 1 0 0, lowest first, and the result grows 1, 11, 110, 1101, 11010, 110101,
// 1101010, 11010100: 212.
constexpr std::uint8_t reverseLow8(std::uint32_t value) {
  std::uint32_t result = 0;
  for (int bit = 0; bit < 8; ++bit) {
    result = (result << 1U) | (value & 1U);
    value >>= 1U;
  }
  return static_cast<std::uint8_t>(result);
}
