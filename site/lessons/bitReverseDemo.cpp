// bitReverseDemo's experiment: any input value, as the program prints it, and what reverseLow8
// makes of it, bit by bit.

#include <bit>
#include <bitset>
#include <cstdint>
#include <cstdio>

#include "bit_reverse.h"
#include "lesson.h"

void experiments(Lesson& lesson) {
  const auto inputValue = static_cast<std::int32_t>(
      lesson.integer("value", "43", "inputValue, a 32-bit integer", INT32_MIN, INT32_MAX));
  if (!lesson.experiment("Reverse a value")) {
    return;
  }
  const std::int32_t resultValue = inputValue;
  std::printf("%d \n", inputValue);
  std::printf("%d \n", resultValue);

  // reverseLow8 takes a std::uint32_t, so a negative value arrives as that value plus 2^32.
  const auto value = static_cast<std::uint32_t>(inputValue);
  const unsigned result = reverseLow8(value);
  const std::string before = std::bitset<8>(value).to_string();
  const std::string after = std::bitset<8>(result).to_string();
  std::fprintf(picture,
               "<figure class='picture reversal'><svg viewBox='0 0 420 152' role='img' "
               "aria-label='reverseLow8 turns the low 8 bits %s into %s'>",
               before.c_str(), after.c_str());
  for (std::size_t column = 0; column < 8; ++column) {
    const std::size_t left = 40 + (column * 40);
    std::fprintf(picture,
                 "<text class='index' x='%zu' y='14'>%zu</text><text class='bit%c' "
                 "x='%zu' y='38'>%c</text><text class='bit%c' x='%zu' y='126'>%c</text>"
                 "<text class='index' x='%zu' y='148'>%zu</text>",
                 left, 7 - column, before[column], left, before[column], after[column], left,
                 after[column], left, 7 - column);
  }
  // Where each bit goes, found by reversing that bit alone.
  for (unsigned bit = 0; bit < 8; ++bit) {
    const int moved = std::countr_zero(static_cast<unsigned>(reverseLow8(1U << bit)));
    std::fprintf(picture, "<line class='bit%u' x1='%u' y1='46' x2='%d' y2='108'></line>",
                 value >> bit & 1U, 40 + ((7 - bit) * 40), 40 + ((7 - moved) * 40));
  }
  std::fprintf(picture,
               "<text class='label' x='350' y='38'>= %u</text><text class='label' "
               "x='350' y='126'>= %u</text></svg><figcaption><code>reverseLow8(%u)</code>: "
               "each bit of %s (%u, above) moves to the bit that <code>reverseLow8</code> sends "
               "it to, giving %s (%u, below). The small numbers are the bits' positions; the 1 "
               "bits and their lines are in colour.",
               value & 0xffU, result, value, before.c_str(), value & 0xffU, after.c_str(), result);
  if (value > 0xffU) {
    std::fprintf(picture, " As a std::uint32_t, %d is %u: its bits above the low 8 are left out.",
                 inputValue, value);
  }
  std::fputs("</figcaption></figure>", picture);
}
