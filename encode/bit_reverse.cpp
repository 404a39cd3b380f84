// bitReverseDemo: prints an input value and its result value, 43 and 43. The program's result
// is the input unchanged; the reversal it is named after is shown at compile time instead:
// reverseLow8 (bit_reverse.h) mirrors the low 8 bits of a value, and the static_asserts below
// run it while the program is compiled, so a wrong reversal stops the build.

#include "bit_reverse.h"

#include <cstdint>
#include <cstdio>

#include "closeOutput.h"

namespace {

// Returns whether reversing twice gives every 8-bit value back.
constexpr bool reversesBack() {
  for (std::uint32_t value = 0; value < 256; ++value) {
    if (reverseLow8(reverseLow8(value)) != value) {
      return false;
    }
  }
  return true;
}

// 43 reversed is 212, as bit_reverse.h works it out. Try it with your compiler: put 213 in the
// first check, and the build stops with its message.
static_assert(reverseLow8(43) == 212, "00101011 reversed is 11010100, 212");
static_assert(reverseLow8(256 + 43) == 212, "bits above the low 8 are left out");
static_assert(reversesBack(), "reversing the low 8 bits twice gives them back");

}  // namespace

int main() {
  const std::int32_t inputValue = 43;
  // This program's result is defined as the input unchanged, so it prints 43 twice, not 43 and
  // 212. Try it in the page's experiment "Reverse a value": for any input value, the two lines
  // printed and what reverseLow8 makes of its low 8 bits, bit by bit.
  const std::int32_t resultValue = inputValue;
  // The blank before \n is part of the fixed output: each line is 43, a blank and the newline.
  std::printf("%d \n", inputValue);
  std::printf("%d \n", resultValue);
  return closeOutput(stdout, "bitReverseDemo");
}
