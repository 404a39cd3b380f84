#pragma once

#include <cstdio>

// Writes "<program>: write error: <strerror(error)>\n" to standard error, or only
// "<program>: write error\n" when `error` is 0 (the reason is unknown). Returns EXIT_FAILURE.
int reportWriteError(const char* program, int error);

// Flushes and closes `stream`, and returns EXIT_SUCCESS when everything written to it arrived.
// Otherwise (a write failed now or earlier, or the close failed) reports the error as
// reportWriteError does and returns EXIT_FAILURE. The stream is closed either way.
int closeOutput(std::FILE* stream, const char* program);
