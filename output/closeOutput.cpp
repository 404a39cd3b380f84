#include "closeOutput.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

int reportWriteError(const char* program, int error) {
  if (error == 0) {
    std::fprintf(stderr, "%s: write error\n", program);
  } else {
    std::fprintf(stderr, "%s: write error: %s\n", program, std::strerror(error));
  }
  return EXIT_FAILURE;
}

int closeOutput(std::FILE* stream, const char* program) {
  // Output is buffered, so a failed write usually shows only here, when the buffer is flushed.
  errno = 0;
  const bool flushed = std::fflush(stream) == 0;
  const int flushError = errno;
  // The error flag also remembers a write that failed earlier, whose errno is long gone.
  const bool clean = std::ferror(stream) == 0;
  errno = 0;
  const bool closed = std::fclose(stream) == 0;
  if (!flushed) {
    return reportWriteError(program, flushError);
  }
  if (!clean) {
    return reportWriteError(program, 0);
  }
  if (!closed) {
    return reportWriteError(program, errno);
  }
  return EXIT_SUCCESS;
}
