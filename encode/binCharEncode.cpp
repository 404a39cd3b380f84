#include "binCharEncode.h"

#include <cstdio>

#include "closeOutput.h"

void printString(countedString text) {
  std::printf("%d\n", text.length);
  for (std::int32_t i = 0; i < text.length; ++i) {
    // The byte is read as a signed character on purpose: 0x80 and above widen negative.
    // NOLINTNEXTLINE(bugprone-signed-char-misuse,cert-str34-c)
    const int widened = static_cast<signed char>(text.data[i]);
    // %x takes an unsigned int; the conversion keeps the widened value's bits.
    std::printf("%x \t", static_cast<unsigned int>(widened));
    std::printf("%c \t", text.data[i]);
  }
}

int main() {
  // The length counts the terminating zero, so the zero byte is printed too.
  const char buffer[4] = "abc";
  const countedString text = {.tag = 1, .length = 4, .data = buffer};
  printString(text);
  std::putchar('\n');
  return closeOutput(stdout, "countedStringDump");
}
