// byteListParse: scans "32 128 255 256 00", rejects 256 with "UINT8_LEN ERR", and lists the
// five positions. Each step below says which tokens it lets through and which it stops.

#include "char2uint8.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "closeOutput.h"

std::int32_t scanByteList(char (&line)[LINE_SIZE], std::uint8_t (&code)[CODE_SLOTS]) {
  // strtok reads the text up to a zero byte; a zero in the buffer's last byte keeps it inside.
  line[LINE_SIZE - 1] = '\0';
  std::int32_t count = 0;
  // strtok writes a zero over the blank that ends each token (the last one ends at the line's
  // own zero), so the line is changed as it is read, and it remembers in hidden state where to go
  // on: the later calls pass nullptr. That state is one for the program (in some C libraries one
  // per thread), so no two scans may interleave (strtok_r, from POSIX, takes it as an argument).
  for (char* token = std::strtok(line, " "); token != nullptr; token = std::strtok(nullptr, " ")) {
    char* end = nullptr;
    // strtol skips leading white space (a tab, say; blanks never reach it, they split tokens)
    // and takes one sign, so "+7", "-0" and a tab before "5" all convert. Base 10 reads "00" as
    // 0, and "010" as 10, not 8 as the literal 010 in C++ source is. Text beyond long's range
    // converts to LONG_MAX or LONG_MIN, still with `end` past every digit, so the range tests
    // below reject it and errno is not read.
    const std::int64_t value = std::strtol(token, &end, 10);
    // strtol stops at the first character that is not part of the number; the token is a
    // number only if that is its end. strtok never yields an empty token, so a token with no
    // digits at all ("-", "x") leaves `end` at its first character, which is not the end.
    if (*end != '\0') {
      std::printf("UINT8_CONVERT ERR");  // not a whole decimal number
    } else if (value < 0) {
      std::printf("UINT8_RANGE ERR");  // below the range of an unsigned byte
    } else if (value > 255) {
      std::printf("UINT8_LEN ERR");  // too long: the value needs more than 8 bits
    } else {
      code[count] = static_cast<std::uint8_t>(value);
    }
    ++count;
  }
  return count;
}

void printByteList(const std::uint8_t (&code)[CODE_SLOTS], std::int32_t count) {
  for (std::int32_t i = 0; i < count; ++i) {
    std::printf("code[%d] = %d\n", i, code[i]);  // a uint8_t reaches printf as an int
  }
}

int main() {
  // The rest of the 300 bytes are zero, so the text ends after "00". Try it in the page's
  // experiment "Scan a line": any line, what the scan prints for it, and the line as strtok leaves
  // it, cut into tokens.
  char line[LINE_SIZE] = "32 128 255 256 00";
  // Zeroed, so the slot of a rejected token lists 0: 256's slot, position 3, prints 0, just as
  // the accepted "00" at position 4 does. The message says that a token was rejected, not which
  // one: only the line tells them apart.
  std::uint8_t code[CODE_SLOTS] = {};
  const std::int32_t count = scanByteList(line, code);
  // "UINT8_LEN ERR" has no newline, so the listing's first line continues it.
  printByteList(code, count);
  return closeOutput(stdout, "byteListParse");
}
