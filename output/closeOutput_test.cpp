#include "closeOutput.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "captureOutput.h"

namespace {

struct Closed {
  int status;
  std::string errors;
};

Closed closeCapturingErrors(std::FILE* stream) {
  Closed result = {.status = -1, .errors = ""};
  result.errors = captureOutput(stderr, [&] { result.status = closeOutput(stream, "prog"); });
  return result;
}

TEST(CloseOutputTest, DeliveredOutputIsSuccess) {
  std::FILE* file = std::tmpfile();
  // Tested plainly, not with ASSERT_NE: the static analyzer follows this test, and sees that no
  // stream is left open when the test ends early.
  if (file == nullptr) {
    FAIL() << "no temporary file";
  }
  std::fputs("every byte arrives", file);
  const Closed closed = closeCapturingErrors(file);
  EXPECT_EQ(closed.status, EXIT_SUCCESS);
  EXPECT_EQ(closed.errors, "");
}

// Writes to /dev/full fail with ENOSPC. Buffered, the bytes meet the device only when the
// stream is flushed; unbuffered, the write fails at once, and by the close only the stream's
// error flag remembers it.
TEST(CloseOutputTest, FailedWritesAreReported) {
  for (const bool buffered : {true, false}) {
    std::FILE* full = std::fopen("/dev/full", "w");
    if (full == nullptr) {
      FAIL() << "cannot open /dev/full";
    }
    if (!buffered) {
      std::setvbuf(full, nullptr, _IONBF, 0);
    }
    std::fputs("lost", full);
    const Closed closed = closeCapturingErrors(full);
    EXPECT_EQ(closed.status, EXIT_FAILURE);
    EXPECT_EQ(closed.errors,
              buffered ? "prog: write error: No space left on device\n" : "prog: write error\n");
  }
}

// The descriptor under the stream is gone, so only the close itself can fail.
TEST(CloseOutputTest, FailedCloseIsReported) {
  const int descriptor = dup(STDERR_FILENO);
  ASSERT_GE(descriptor, 0);
  std::FILE* stream = fdopen(descriptor, "w");
  if (stream == nullptr) {
    FAIL() << "no stream for the descriptor";
  }
  close(descriptor);
  const Closed closed = closeCapturingErrors(stream);
  EXPECT_EQ(closed.status, EXIT_FAILURE);
  EXPECT_EQ(closed.errors, "prog: write error: Bad file descriptor\n");
}

}  // namespace
