#include "binEncodeExample.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "captureOutput.h"

namespace {

void* exhausted(std::size_t /*size*/) {
  return nullptr;
}

// A record whose image holds the bytes 0, 1, ..., 47, padding included.
TEST(DumpRecordCopyTest, PrintsWholeImagePaddingIncluded) {
  unsigned char image[sizeof(mixedRecord)];
  std::string expected = "Copied byte array is:\n";
  for (std::size_t i = 0; i < sizeof image; ++i) {
    image[i] = static_cast<unsigned char>(i);
    char cell[8];
    std::snprintf(cell, sizeof cell, "0x%02zx\t", i);
    expected += cell;
  }
  expected += "\n";
  mixedRecord record;
  std::memcpy(&record, image, sizeof record);

  int status = -1;
  EXPECT_EQ(captureOutput(stdout, [&] { status = dumpRecordCopy(record); }), expected);
  EXPECT_EQ(status, EXIT_SUCCESS);
}

TEST(DumpRecordCopyTest, FailedAllocationIsReportedAsFailure) {
  const mixedRecord record = mixedRecord();
  int status = -1;
  std::string printed;
  const std::string errors = captureOutput(stderr, [&] {
    printed = captureOutput(stdout, [&] { status = dumpRecordCopy(record, exhausted); });
  });
  EXPECT_EQ(status, EXIT_FAILURE);
  EXPECT_EQ(printed, "");
  EXPECT_EQ(errors, "recordBytesDump: out of memory\n");
}

}  // namespace
