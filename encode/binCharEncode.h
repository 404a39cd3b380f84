#pragma once

// countedStringDump describes a character buffer by a record that carries its length beside a
// pointer to it (as std::string_view does), instead of relying on a terminating zero: printString
// prints exactly `length` bytes, whatever they hold, a zero byte included.

#include <cstdint>

// A character buffer that carries its own length.
struct countedString {
  std::int32_t tag;     // a label the caller may use; copied with the record, never printed
  std::int32_t length;  // bytes of data to print
  const char* data;
};

// Prints `text.length` with "%d\n", then each of the first `length` bytes of `text.data` as a
// hex cell "%x \t" of the byte sign-widened to int (0x80 prints as ffffff80) and a character
// cell "%c \t", the zero byte written raw. `text.data` must hold at least `length` bytes: the
// length is all that printString knows of them. A length of 0 or below prints only the length
// line. Nothing follows the last cell.
void printString(countedString text);
