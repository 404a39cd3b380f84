#pragma once

#include <cstdio>
#include <functional>
#include <string>

// Runs `action` with `stream` (stdout or stderr) redirected at the file-descriptor level into a
// temporary file, and returns every byte written to it meanwhile, NUL bytes included. The stream
// is restored even when `action` throws.
std::string captureOutput(std::FILE* stream, const std::function<void()>& action);
