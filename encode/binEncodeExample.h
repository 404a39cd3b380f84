#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

// A record of mixed field types, whose memory image is what the program shows (little-endian,
// aligned to 8 bytes):
//
//   offset  size  field
//        0     4  intValue     32-bit integer
//        4     4  floatValue1  single precision
//        8     4  floatValue2  single precision
//       12     4  (padding)    up to longValue's 8-byte alignment
//       16     8  longValue    64-bit integer
//       24    20  text         characters, zero-filled after the text
//       44     4  (padding)    up to the record's 8-byte alignment
//
// The padding bytes are zero in a value-initialised record.
struct mixedRecord {
  std::int32_t intValue;
  float floatValue1;
  float floatValue2;
  std::int64_t longValue;
  char text[20];
};

// This is the layout of the LP64 targets, x86-64 and arm64 Linux. A target that lays the record
// out otherwise (32-bit x86 aligns a 64-bit integer to 4 bytes, giving 44) stops here instead
// of printing other bytes.
static_assert(std::endian::native == std::endian::little, "the record's bytes are little-endian");
static_assert(sizeof(float) == 4, "floats must be single precision");
static_assert(sizeof(mixedRecord) == 48,
              "mixedRecord must be 48 bytes, as on LP64 targets (x86-64, arm64 Linux)");
static_assert(alignof(mixedRecord) == 8,
              "mixedRecord must be aligned to 8 bytes, as on LP64 targets (x86-64, arm64 Linux)");
static_assert(offsetof(mixedRecord, intValue) == 0, "intValue must be at offset 0");
static_assert(offsetof(mixedRecord, floatValue1) == 4, "floatValue1 must be at offset 4");
static_assert(offsetof(mixedRecord, floatValue2) == 8, "floatValue2 must be at offset 8");
static_assert(offsetof(mixedRecord, longValue) == 16, "longValue must be at offset 16");
static_assert(offsetof(mixedRecord, text) == 24, "text must be at offset 24");

// Obtains a block of the given size the way malloc does; the block is released with free.
using Allocator = void* (*)(std::size_t size);

// Copies the whole memory image of `record`, padding included, into a block from `allocate`,
// prints "Copied byte array is:" and then every byte of the copy as a "0x%02x\t" cell on one
// line, and releases the block. Returns EXIT_SUCCESS. If `allocate` yields no block, writes a
// message to standard error, prints nothing on standard output and returns EXIT_FAILURE.
int dumpRecordCopy(const mixedRecord& record, Allocator allocate);
