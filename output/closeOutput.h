#pragma once

// The check each program that ends makes last: that its output could be written. printf and
// friends buffer what they print, so a full disk or a closed output often shows only when the
// buffer is flushed, and a program that never looks exits 0 having lost its output. (A pipe
// whose reader has gone raises SIGPIPE at that write instead, which ends the program unless it
// is ignored, blocked or caught; then the write fails as the others do.)

#include <cstdio>

// Writes "<program>: write error: <strerror(error)>\n" to standard error, or only
// "<program>: write error\n" when `error` is 0 (the reason is unknown). Returns EXIT_FAILURE.
int reportWriteError(const char* program, int error);

// Flushes and closes `stream`, and returns EXIT_SUCCESS when every write to it, the flush and
// the close succeeded: the system took every byte (whether a disk or a reader then gets them is
// beyond what fflush and fclose can tell). Otherwise (a write failed now or earlier, or the close
// failed) reports the error as reportWriteError does and returns EXIT_FAILURE. The stream is
// closed either way.
int closeOutput(std::FILE* stream, const char* program);
