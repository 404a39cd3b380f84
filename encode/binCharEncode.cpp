// countedStringDump: a counted buffer printed byte by byte as hex and character cells. It shows
// that a counted length, unlike a string's terminating zero, lets a zero byte be data. It reads
// each byte as signed char, which decides the hex form of a byte at 0x80 or above; its own bytes
// are all below 0x80, so the page's experiment shows what the sign does to the others.

#include "binCharEncode.h"

#include <cstdio>

#include "closeOutput.h"

void printString(countedString text) {
  std::printf("%d\n", text.length);
  for (std::int32_t i = 0; i < text.length; ++i) {
    // Plain char is signed on some targets and unsigned on others (the table of architectures
    // says which), so the byte 0x80 read as char would widen to -128 on one and to 128 on the
    // other. Reading it as signed char makes the sign the same on every target: 0x80 becomes
    // -128, whose int bits print as ffffff80, and 0x61 ('a') stays 97, printed 61. (Read as
    // unsigned char, 0x80 would print 80.)
    const int widened = static_cast<signed char>(text.data[i]);
    // Widening a negative value copies its sign bit into every new high bit (two's complement),
    // so -128, 0x80 in 8 bits, is 0xffffff80 in 32. %x takes an unsigned int; the conversion
    // keeps those bits. It prints no more digits than the value needs, so the zero byte is 0.
    std::printf("%x \t", static_cast<unsigned int>(widened));
    std::printf("%c \t", text.data[i]);
  }
}

int main() {
  // "abc" and its terminating zero. The record's length decides what is printed, not the zero:
  // with length 4 the zero is data, and the last cells print 0 and the zero byte itself, raw
  // (61 a 62 b 63 c 0 and a NUL); with length 3 it would not be printed at all.
  // Try it in the page's experiment "Print a counted buffer": make the bytes 80 62 63 00, and
  // the first cell prints ffffff80, on every target.
  const char buffer[4] = "abc";
  const countedString text = {.tag = 1, .length = 4, .data = buffer};
  printString(text);
  std::putchar('\n');
  return closeOutput(stdout, "countedStringDump");
}
