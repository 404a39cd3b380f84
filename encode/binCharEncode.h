#pragma once

#include <cstdint>

// A character buffer that carries its own length.
struct countedString {
  std::int32_t tag;     // carried along; printString does not read it
  std::int32_t length;  // bytes of data to print
  const char* data;
};

// Prints `text.length` with "%d\n", then each of the first `length` bytes of `text.data` as a
// hex cell "%x \t" of the byte sign-widened to int (0x80 prints as ffffff80) and a character
// cell "%c \t", the zero byte written raw. A length of 0 or below prints only the length line.
// Nothing follows the last cell.
void printString(countedString text);
