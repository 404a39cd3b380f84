// bitReverseDemo: prints an input value and its result value, 43 and 43. The program's result
// is the input unchanged; the reversal it is named after is shown at compile time instead:
// reverseLow8 mirrors the low 8 bits of a value, and the static_asserts below run it while the
// program is compiled, so a wrong reversal stops the build.

#include <cstdint>
#include <cstdio>

#include "closeOutput.h"

namespace {

// Returns the low 8 bits of `value` in reverse order: bit 0 becomes bit 7, bit 1 bit 6, and so
// on. Each turn shifts the result left and brings in the value's lowest bit, so the bit taken
// first travels furthest. For 43, 00101011, the bits taken are 1 1 0 1 0 1 0 0, lowest first,
// and the result grows 1, 11, 110, 1101, 11010, 110101, 1101010, 11010100: 212.
constexpr std::uint8_t reverseLow8(std::uint32_t value) {
  std::uint32_t result = 0;
  for (int bit = 0; bit < 8; ++bit) {
    result = (result << 1U) | (value & 1U);
    value >>= 1U;
  }
  return static_cast<std::uint8_t>(result);
}

// Returns whether reversing twice gives every 8-bit value back.
constexpr bool reversesBack() {
  for (std::uint32_t value = 0; value < 256; ++value) {
    if (reverseLow8(reverseLow8(value)) != value) {
      return false;
    }
  }
  return true;
}

// 43 is 00101011 in binary; read backwards, 11010100 is 128 + 64 + 16 + 4 = 212. Try it: put 213
// in the first check, and the build stops with its message.
static_assert(reverseLow8(43) == 212, "00101011 reversed is 11010100, 212");
static_assert(reverseLow8(256 + 43) == 212, "bits above the low 8 are left out");
static_assert(reversesBack(), "reversing the low 8 bits twice gives them back");

}  // namespace

int main() {
  const std::int32_t inputValue = 43;
  // This program's result is defined as the input unchanged, so it prints 43 twice, not 43 and
  // 212. Try it: with `resultValue = reverseLow8(inputValue)` the second line reads 212.
  const std::int32_t resultValue = inputValue;
  // The blank before \n is part of the fixed output: each line is 43, a blank and the newline.
  std::printf("%d \n", inputValue);
  std::printf("%d \n", resultValue);
  return closeOutput(stdout, "bitReverseDemo");
}
