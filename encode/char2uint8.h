#pragma once

// byteListParse scans a built-in line of decimal tokens as unsigned 8-bit values (0 to 255):
// strtok splits the line at blanks, strtol converts each token, and three tests decide whether
// the token is a byte. A token that is not prints its message as it is scanned, before the
// listing of every position; a rejected token's position lists 0, since its slot keeps the zero
// that main put there.

#include <cstddef>
#include <cstdint>

// The line buffer's size, terminating zero included.
constexpr std::size_t LINE_SIZE = 300;

// Slots for byte values, one per token position.
constexpr std::size_t CODE_SLOTS = 1000;

// A token is at least one character, and tokens are at least one blank apart, so a line of
// LINE_SIZE bytes holds at most 150 tokens ("1 1 1 ... 1" and its zero): 1000 slots are plenty.
static_assert(LINE_SIZE / 2 <= CODE_SLOTS, "a line may hold more tokens than there are slots");

// Splits the text in `line` at blanks, in place with strtok (runs of blanks separate tokens;
// tabs and newlines stay inside them), and converts each token in base 10. A token that is a
// whole number from 0 to 255 stores its value in code[its position]; any other token prints its
// message as it is scanned, with no newline, and leaves its slot as it was. Positions count every
// token. Returns the number of tokens: 0 for an empty line or one of blanks only. The text ends at
// the first zero byte, and at the latest at the last byte, which is overwritten with a zero: a line
// without a zero byte is read as its first LINE_SIZE - 1 bytes.
std::int32_t scanByteList(char (&line)[LINE_SIZE], std::uint8_t (&code)[CODE_SLOTS]);

// Prints "code[i] = value\n" for the positions i = 0 .. count-1; `count` is at most CODE_SLOTS,
// as scanByteList's count always is.
void printByteList(const std::uint8_t (&code)[CODE_SLOTS], std::int32_t count);
