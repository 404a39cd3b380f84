#include "binEncodeExample.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

#include "captureOutput.h"

// The runner is linked with -Wl,--wrap=malloc (encode/CMakeLists.txt): every call to malloc in
// the code linked into it, dumpRecordCopy's included, reaches __wrap_malloc below, and
// __real_malloc is the malloc that the call would have reached. Calls made inside shared
// libraries are not redirected.
namespace {

// Whether the next malloc through the wrapper fails; it is reset as that call fails.
bool failNextMalloc = false;

}  // namespace

// NOLINTBEGIN(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp): the linker's names
extern "C" void* __real_malloc(std::size_t size);

extern "C" void* __wrap_malloc(std::size_t size) {
  if (failNextMalloc) {
    failNextMalloc = false;
    return nullptr;
  }
  return __real_malloc(size);
}
// NOLINTEND(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)

namespace {

// The program's own record, whose padding is zero, is pinned byte for byte by its output test
// (recordBytesDump.golden). Here every byte is 0xab, the padding at 12-15 and 44-47 too: the copy
// is the record's whole image, not its fields alone.
TEST(DumpRecordCopyTest, PrintsPaddingAsItLies) {
  mixedRecord record;
  std::memset(&record, 0xab, sizeof record);
  std::string expected = "Copied byte array is:\n";
  for (std::size_t i = 0; i < sizeof record; ++i) {
    expected += "0xab\t";
  }
  int status = -1;
  EXPECT_EQ(captureOutput(stdout, [&] { status = dumpRecordCopy(record); }), expected + "\n");
  EXPECT_EQ(status, EXIT_SUCCESS);
}

TEST(DumpRecordCopyTest, FailedAllocationIsReportedAsFailure) {
  const mixedRecord record = mixedRecord();
  int status = -1;
  std::string printed;
  const std::string errors = captureOutput(stderr, [&] {
    printed = captureOutput(stdout, [&] {
      failNextMalloc = true;
      status = dumpRecordCopy(record);
    });
  });
  EXPECT_FALSE(failNextMalloc) << "dumpRecordCopy did not call malloc";
  EXPECT_EQ(status, EXIT_FAILURE);
  EXPECT_EQ(printed, "");
  EXPECT_EQ(errors, "recordBytesDump: out of memory\n");
}

}  // namespace
