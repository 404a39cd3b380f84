#include "char2uint8.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "closeOutput.h"

// strtol's long is the 64-bit value that the range tests compare, as on the LP64 targets; where
// long has 32 bits, text beyond 32 bits would clamp to other limits.
static_assert(sizeof(long) == sizeof(std::int64_t),
              "strtol must yield a 64-bit long, as on LP64 targets (x86-64, arm64 Linux)");

std::int32_t scanByteList(char (&line)[LINE_SIZE], std::uint8_t (&code)[CODE_SLOTS]) {
  // strtok reads up to a zero byte: this one keeps it inside the buffer.
  line[LINE_SIZE - 1] = '\0';
  std::int32_t count = 0;
  for (char* token = std::strtok(line, " "); token != nullptr; token = std::strtok(nullptr, " ")) {
    char* end = nullptr;
    // Out of range, strtol clamps to the 64-bit limits, which then fail the range tests.
    const std::int64_t value = std::strtol(token, &end, 10);
    if (*end != '\0') {
      std::printf("UINT8_CONVERT ERR");
    } else if (value < 0) {
      std::printf("UINT8_RANGE ERR");
    } else if (value > 255) {
      std::printf("UINT8_LEN ERR");
    } else {
      code[count] = static_cast<std::uint8_t>(value);
    }
    ++count;
  }
  return count;
}

void printByteList(const std::uint8_t (&code)[CODE_SLOTS], std::int32_t count) {
  for (std::int32_t i = 0; i < count; ++i) {
    std::printf("code[%d] = %d\n", i, code[i]);
  }
}

int main() {
  char line[LINE_SIZE] = "32 128 255 256 00";
  // Zeroed, so the slot of a rejected token lists 0.
  std::uint8_t code[CODE_SLOTS] = {};
  const std::int32_t count = scanByteList(line, code);
  printByteList(code, count);
  return closeOutput(stdout, "byteListParse");
}
