#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "captureOutput.h"
#include "char2uint8.h"

namespace {

// A slot value that no scan writes unless a token asks for it.
constexpr std::uint8_t UNTOUCHED = 0xA5;

struct Reading {
  std::string messages;
  std::vector<int> slots;  // the value stored at each position, or UNTOUCHED for a rejection
};

// Reads the line without strtok or strtol: tokens are split at blanks by hand, and a token is
// accepted when it is optional white space, an optional sign and decimal digits up to its end,
// whose value (saturated at 256) is 0 to 255.
Reading readIndependently(const std::string& line) {
  Reading reading;
  std::size_t start = 0;
  while (true) {
    start = line.find_first_not_of(' ', start);
    if (start == std::string::npos) {
      return reading;
    }
    const std::size_t end = std::min(line.find(' ', start), line.size());
    const std::string token = line.substr(start, end - start);
    start = end;

    std::size_t pos = std::min(token.find_first_not_of("\t\n\v\f\r"), token.size());
    bool negative = false;
    if (pos < token.size() && (token[pos] == '+' || token[pos] == '-')) {
      negative = token[pos] == '-';
      ++pos;
    }
    const std::size_t digits = pos;
    int magnitude = 0;
    for (; pos < token.size() && token[pos] >= '0' && token[pos] <= '9'; ++pos) {
      magnitude = std::min((magnitude * 10) + (token[pos] - '0'), 256);
    }
    if (pos == digits || pos != token.size()) {
      reading.messages += "UINT8_CONVERT ERR";
      reading.slots.push_back(UNTOUCHED);
    } else if (negative && magnitude > 0) {
      reading.messages += "UINT8_RANGE ERR";
      reading.slots.push_back(UNTOUCHED);
    } else if (magnitude > 255) {
      reading.messages += "UINT8_LEN ERR";
      reading.slots.push_back(UNTOUCHED);
    } else {
      reading.slots.push_back(magnitude);
    }
  }
}

}  // namespace

// The input's first LINE_SIZE bytes become the line, with or without a zero byte; the scan must
// not crash, must read and write nothing outside the line and the slots (the sanitizers watch),
// and must agree with the independent reading on every message and every slot, leaving the
// slots past the last position untouched.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  char line[LINE_SIZE] = {};
  std::memcpy(line, data, std::min(size, LINE_SIZE));
  // The text ends at the first zero byte, and never takes in the line's last byte.
  const Reading expected = readIndependently(std::string(line, strnlen(line, LINE_SIZE - 1)));

  std::uint8_t code[CODE_SLOTS];
  std::memset(code, UNTOUCHED, sizeof code);
  std::int32_t count = 0;
  const std::string messages = captureOutput(stdout, [&] { count = scanByteList(line, code); });

  const std::vector<int> slots(code, code + count);
  // Compared with memcmp, not slot by slot: the fuzzer's tracing of a thousand comparisons
  // would cost more than the scan itself.
  static const std::vector<std::uint8_t> untouched(CODE_SLOTS, UNTOUCHED);
  const auto scanned = static_cast<std::size_t>(count);
  const bool restUntouched =
      std::memcmp(code + scanned, untouched.data(), sizeof code - scanned) == 0;
  if (messages != expected.messages || slots != expected.slots || !restUntouched) {
    std::abort();
  }
  return 0;
}
