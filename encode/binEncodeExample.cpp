// recordBytesDump: the memory image of a mixedRecord, copied to the heap and printed byte by
// byte. Where main fills the record, each field's comment gives the bytes it prints, so that
// the whole output line can be predicted from this file.

#include "binEncodeExample.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "closeOutput.h"

int dumpRecordCopy(const mixedRecord& record) {
  const std::size_t imageSize = sizeof record;  // 48 bytes, padding included
  auto* copy = static_cast<unsigned char*>(std::malloc(imageSize));
  if (copy == nullptr) {
    std::fputs("recordBytesDump: out of memory\n", stderr);
    return EXIT_FAILURE;
  }
  // memcpy copies bytes, not fields: the padding comes along with the rest, so the copy is the
  // record's image byte for byte. (Reading the record itself through unsigned char would print
  // the same bytes; the copy shows that a record's image can be moved as plain memory.)
  std::memcpy(copy, &record, imageSize);
  std::puts("Copied byte array is:");
  for (std::size_t i = 0; i < imageSize; ++i) {
    std::printf("0x%02x\t", copy[i]);
  }
  std::putchar('\n');
  std::free(copy);
  return EXIT_SUCCESS;
}

int main() {
  // memset writes all 48 bytes, the padding too, for the reason that usartFrameDump's fillFrame
  // gives (binCharUSARTEncode.cpp): offsets 12-15 and 44-47 print 00.
  mixedRecord record;
  std::memset(&record, 0, sizeof record);

  // 101 is 0x00000065; lowest byte first: 65 00 00 00.
  record.intValue = 101;

  // Try it in the page's experiment "Lay out a record": any value of each field, the record's
  // bytes by field, and each float's bits.
  // A float is a sign bit, 8 bits of stored exponent (the power of two plus 127) and 23 fraction
  // bits: value = (-1)^sign * 1.fraction * 2^(stored - 127), for a normal float, whose stored
  // exponent is 1 to 254 (0 is kept for zero and the subnormals, 255 for infinities and NaNs).
  // 3.142 = 1.571 * 2^1: sign 0, stored exponent 1 + 127 = 128 (0x80), fraction 0.571 * 2^23 =
  // 4789895.168, rounded 4789895, 0x491687.
  // 0 10000000 1001001 00010110 10000111, regrouped in fours (0100 0000 0100 1001 ...), is
  // 0x40491687: 87 16 49 40, lowest byte first.
  record.floatValue1 = 3.142f;
  // -11.6 = -1.45 * 2^3: sign 1, stored exponent 130 (0x82), fraction 0.45 * 2^23 = 3774873.6,
  // rounded 3774874, 0x39999a.
  // 1 10000010 0111001 10011001 10011010 is 0xc139999a: 9a 99 39 c1.
  record.floatValue2 = -11.6f;

  // 604421198 is 0x2406bc4e; eight bytes, lowest first: 4e bc 06 24 00 00 00 00.
  record.longValue = 604421198;

  // The characters' codes, 4e 20 4e 45 20 45 20 53 45 20 53 ('N', ' ', 'N', 'E', ...), then
  // nine 00: strncpy pads the rest of the 20-byte field with zeros.
  std::strncpy(record.text, "N NE E SE S", sizeof record.text);

  // A failed allocation has been reported already; otherwise closeOutput tells whether every
  // printed byte was taken.
  return dumpRecordCopy(record) == EXIT_SUCCESS ? closeOutput(stdout, "recordBytesDump")
                                                : EXIT_FAILURE;
}
