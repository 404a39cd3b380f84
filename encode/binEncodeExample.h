#pragma once

// recordBytesDump shows how a record of mixed field types lies in memory: the compiler places
// each field at an offset that suits its alignment, inserts padding where a field must wait for
// its boundary, and, on these little-endian targets, every multi-byte value lies lowest byte
// first. The program copies the record's whole image to the heap and prints it byte by byte;
// encode/binEncodeExample.cpp works out every printed byte.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>

// The record, as its 48 bytes lie in memory:
//
//     offset  size  field        why there
//          0     4  intValue     the first field starts the record
//          4     4  floatValue1  a float needs 4-byte alignment: 4 is a multiple of 4
//          8     4  floatValue2
//         12     4  (padding)    longValue needs 8-byte alignment, so it cannot start at 12
//         16     8  longValue    the first multiple of 8 at or past 12, where floatValue2 ends
//         24    20  text         a char's alignment is 1: it may start anywhere
//         44     4  (padding)    the record's size is a multiple of its alignment, 8, so that
//                                in an array of records every longValue stays aligned
//
// The padding belongs to no field, so main zeroes every byte of the record first, as
// usartFrameDump's fillFrame does and for the reason given there (binCharUSARTEncode.cpp).
struct mixedRecord {
  std::int32_t intValue;
  float floatValue1;
  float floatValue2;
  std::int64_t longValue;  // std::int64_t, not long, whose width differs between targets
  char text[20];
};

// What decides the printed bytes, checked where it is decided: a target that would print other
// bytes stops the build here, with the requirement it does not meet.
static_assert(std::endian::native == std::endian::little,
              "the target must be little-endian: the printed record holds each value lowest "
              "byte first");
static_assert(std::numeric_limits<float>::is_iec559,
              "float must be IEEE-754 single precision, whose bit patterns are printed");
static_assert(alignof(std::int64_t) == 8,
              "std::int64_t must be aligned to 8 bytes; aligned to 4, as on 32-bit x86, it would "
              "lie at offset 12 in a 40-byte record");
static_assert(sizeof(mixedRecord) == 48, "mixedRecord must be 48 bytes, as the printed image");
static_assert(alignof(mixedRecord) == 8, "mixedRecord must be aligned to 8, as its longValue");
static_assert(offsetof(mixedRecord, intValue) == 0, "intValue must lie at offset 0");
static_assert(offsetof(mixedRecord, floatValue1) == 4, "floatValue1 must lie at offset 4");
static_assert(offsetof(mixedRecord, floatValue2) == 8, "floatValue2 must lie at offset 8");
static_assert(offsetof(mixedRecord, longValue) == 16, "longValue must lie at offset 16");
static_assert(offsetof(mixedRecord, text) == 24, "text must lie at offset 24");

// Copies the whole memory image of `record`, padding included, into a block from std::malloc,
// prints "Copied byte array is:" and then every byte of the copy as a "0x%02x\t" cell on one
// line ended by a newline, and frees the block. Returns EXIT_SUCCESS. If malloc yields no block,
// writes "recordBytesDump: out of memory" to standard error, prints nothing on standard output and
// returns EXIT_FAILURE.
int dumpRecordCopy(const mixedRecord& record);
