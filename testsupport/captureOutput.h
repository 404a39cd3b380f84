#pragma once

#include <cstdio>
#include <functional>
#include <string>

// Runs `action` with the stream variable `stream` (stdout or stderr) pointing at an in-memory
// stream, and returns every byte written through it meanwhile, NUL bytes included. The variable
// is restored even when `action` throws. glibc's stdout and stderr are plain variables, so
// printf, puts and putchar follow the replacement; writes straight to a descriptor do not.
std::string captureOutput(std::FILE*& stream, const std::function<void()>& action);
