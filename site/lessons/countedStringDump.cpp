// countedStringDump's experiment: any buffer of bytes, printed as the program prints its own,
// and each byte read through each of the three character types.

#include <cstdint>
#include <cstdio>
#include <vector>

#include "binCharEncode.h"
#include "lesson.h"

void experiments(Lesson& lesson) {
  std::vector<char> buffer;
  for (const std::string& word :
       lesson.words("bytes", "61 62 63 00", "the buffer's bytes, in hex", 0, 16)) {
    buffer.push_back(static_cast<char>(lesson.integerOf("bytes", word, 0, 0xff, 16)));
  }
  if (!lesson.experiment("Print a counted buffer")) {
    return;
  }
  const countedString text = {
      .tag = 1, .length = static_cast<std::int32_t>(buffer.size()), .data = buffer.data()};
  printString(text);
  std::putchar('\n');

  std::fputs(
      "<figure class='picture readings'><table><caption>Each byte read through each character "
      "type, widened to <code>int</code>, and printed with <code>%x</code></caption><thead><tr>"
      "<th scope='col'>byte</th><th scope='col'><code>signed char</code>, as <code>printString"
      "</code> reads it</th><th scope='col'><code>unsigned char</code></th></tr></thead><tbody>",
      picture);
  for (const char byte : buffer) {
    const int asSigned = static_cast<signed char>(byte);
    const int asUnsigned = static_cast<unsigned char>(byte);
    std::fprintf(picture, "<tr><th scope='row'>%02x</th><td>%d: %x</td><td>%d: %x</td></tr>",
                 asUnsigned, asSigned, static_cast<unsigned>(asSigned), asUnsigned,
                 static_cast<unsigned>(asUnsigned));
  }
  std::fputs(
      "</tbody></table><figcaption>The same 8 bits are a negative value through "
      "<code>signed char</code> from 80 up, and widened to <code>int</code> its new high "
      "bits are ones, so 80 prints as ffffff80. Plain <code>char</code> reads a byte as one "
      "of the two: as <code>signed char</code> on Debian's x86 targets and on wasm32, where "
      "the page runs the program; as <code>unsigned char</code> on its ARM, POWER, RISC-V "
      "and s390x ones (the table of architectures).</figcaption></figure>",
      picture);
}
