#pragma once

// usartFrameDump stands a printer where a serial transmitter (a USART) would be: instead of
// sending a frame's bytes down a wire, USARTWrite prints each one in hex and in binary. The
// frame is a record sent as its raw memory image, so the dump shows byte order and padding as
// well as the values. (Most USARTs send each byte lowest bit first, and many can be set
// otherwise; the binary digits here are written as numbers are, highest first.)

#include <bit>
#include <cstddef>
#include <cstdint>

// One frame for the serial link, as its 12 bytes lie in memory:
//
//     offset  size  field      value in the program
//          0     4  command    67, 'C' in ASCII: 43 00 00 00, lowest byte first
//          4     1  separator  a blank, 0x20
//          5     3  payload    "abc" (61 62 63) with no terminating zero
//          8     1  cr         carriage return, 0x0d
//          9     1  lf         line feed, 0x0a
//         10     2  (padding)  the record's size is a multiple of command's 4-byte alignment
//
// All 12 bytes, padding included, are sent. That is what a record's raw image gives, and why a
// protocol between different hosts defines its own layout: another host may order the bytes of
// `command` otherwise and pad the record differently.
struct usartFrame {
  std::int32_t command;
  char separator;
  char payload[3];  // three characters and no terminating zero
  char cr;
  char lf;
};

// What decides the printed bytes, checked where it is decided: a target that would print other
// bytes stops the build here, with the requirement it does not meet.
static_assert(std::endian::native == std::endian::little,
              "the target must be little-endian: the printed frame holds command lowest byte "
              "first, 43 00 00 00");
static_assert(sizeof(usartFrame) == 12, "usartFrame must be 12 bytes, as the printed frame");
static_assert(alignof(usartFrame) == 4, "usartFrame must be aligned to 4 bytes, as its command");
static_assert(offsetof(usartFrame, command) == 0, "command must lie at offset 0");
static_assert(offsetof(usartFrame, separator) == 4, "separator must lie at offset 4");
static_assert(offsetof(usartFrame, payload) == 5, "payload must lie at offset 5");
static_assert(offsetof(usartFrame, cr) == 8, "cr must lie at offset 8");
static_assert(offsetof(usartFrame, lf) == 9, "lf must lie at offset 9");

// Fills `*frame`: every byte zeroed first, padding included, then `command`, a blank, the payload
// (strncpy's 3 characters of `payloadText`, padded with zeros after a zero that ends it sooner), a
// carriage return and a line feed.
void fillFrame(usartFrame* frame, std::int32_t command, const char* payloadText);

// Prints the binary digits of `value`, most significant first and without leading zeros: one
// to eight digits, so 0 prints as "0".
void print_binary(std::uint8_t value);

// Stands in for a serial transmitter: prints each of the `length` bytes at `data` on a line of
// its own as a hex cell "0x%02x\t" and its binary digits, then one empty line. A length of 0
// prints only the empty line.
void USARTWrite(const std::uint8_t* data, std::size_t length);
