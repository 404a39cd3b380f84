#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

// Marks a character array that holds no terminating zero, so that GCC does not warn when strncpy
// fills it exactly.
#if __has_cpp_attribute(gnu::nonstring)
#define NONSTRING [[gnu::nonstring]]
#else
#define NONSTRING
#endif

// One frame for the serial link, as its bytes lie in memory (multi-byte values little-endian):
//
//   offset  size  field
//        0     4  command    command code
//        4     1  separator  blank between command and payload
//        5     3  payload    three characters, no terminating zero
//        8     1  cr         carriage return
//        9     1  lf         line feed
//       10     2  (padding)  up to the 4-byte alignment; zero in a value-initialised frame
//
// All 12 bytes, padding included, are sent.
struct usartFrame {
  std::int32_t command;
  char separator;
  NONSTRING char payload[3];
  char cr;
  char lf;
};

static_assert(std::endian::native == std::endian::little, "the frame's bytes are little-endian");
static_assert(sizeof(usartFrame) == 12, "usartFrame must be 12 bytes");
static_assert(alignof(usartFrame) == 4, "usartFrame must be aligned to 4 bytes");
static_assert(offsetof(usartFrame, command) == 0, "command must be at offset 0");
static_assert(offsetof(usartFrame, separator) == 4, "separator must be at offset 4");
static_assert(offsetof(usartFrame, payload) == 5, "payload must be at offset 5");
static_assert(offsetof(usartFrame, cr) == 8, "cr must be at offset 8");
static_assert(offsetof(usartFrame, lf) == 9, "lf must be at offset 9");

// Prints the binary digits of `value`, most significant first and without leading zeros: one
// to eight digits, so 0 prints as "0".
void print_binary(std::uint8_t value);

// Stands in for a serial transmitter: prints each of the `length` bytes at `data` on a line of
// its own as a hex cell "0x%02x\t" and its binary digits, then one empty line. A length of 0
// prints only the empty line.
void USARTWrite(const std::uint8_t* data, std::size_t length);
