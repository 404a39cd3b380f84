#include "binEncodeExample.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "closeOutput.h"

int dumpRecordCopy(const mixedRecord& record, Allocator allocate) {
  auto* copy = static_cast<unsigned char*>(allocate(sizeof record));
  if (copy == nullptr) {
    std::fputs("recordBytesDump: out of memory\n", stderr);
    return EXIT_FAILURE;
  }
  std::memcpy(copy, &record, sizeof record);
  std::puts("Copied byte array is:");
  for (std::size_t i = 0; i < sizeof record; ++i) {
    std::printf("0x%02x\t", copy[i]);
  }
  std::putchar('\n');
  std::free(copy);
  return EXIT_SUCCESS;
}

int main() {
  // Value-initialised with T(), which zeroes padding bits too, so the eight padding bytes that
  // are copied and printed are zero. `mixedRecord record{}` would be aggregate initialisation,
  // which sets the members only and leaves the padding unspecified.
  mixedRecord record = mixedRecord();
  record.intValue = 101;
  record.floatValue1 = 3.142f;
  record.floatValue2 = -11.6f;
  record.longValue = 604421198;
  // strncpy fills the rest of the field with zeros.
  std::strncpy(record.text, "N NE E SE S", sizeof record.text);

  if (dumpRecordCopy(record, [](std::size_t size) { return std::malloc(size); }) != EXIT_SUCCESS) {
    // Only a failing malloc gets here, which no test of the real program can arrange;
    // dumpRecordCopy's own test covers the failure.
    return EXIT_FAILURE;  // GCOVR_EXCL_LINE
  }
  return closeOutput(stdout, "recordBytesDump");
}
