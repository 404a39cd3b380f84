#include "char2uint8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "captureOutput.h"

namespace {

struct Scan {
  std::string printed;    // the messages, in the order the tokens were scanned
  std::vector<int> code;  // the slots of the positions scanned
};

// Scans `text` as the line, with every slot starting at `fill`. A text of LINE_SIZE bytes or
// more fills the whole line, leaving no zero byte.
Scan scan(const std::string& text, std::uint8_t fill = 0) {
  char line[LINE_SIZE] = {};
  text.copy(line, LINE_SIZE);
  std::uint8_t code[CODE_SLOTS];
  std::ranges::fill(code, fill);
  std::int32_t count = 0;
  Scan result;
  result.printed = captureOutput(stdout, [&] { count = scanByteList(line, code); });
  result.code.assign(code, code + count);
  return result;
}

using Codes = std::vector<int>;

// A rejected token leaves its slot as it was and still takes a position.
TEST(ScanByteListTest, BuiltInLine) {
  const Scan result = scan("32 128 255 256 00", 9);
  EXPECT_EQ(result.printed, "UINT8_LEN ERR");
  EXPECT_EQ(result.code, (Codes{32, 128, 255, 9, 0}));
}

TEST(ScanByteListTest, SignsAndLeadingZeros) {
  const Scan result = scan("-1 -0 +7 007 0 255");
  EXPECT_EQ(result.printed, "UINT8_RANGE ERR");
  EXPECT_EQ(result.code, (Codes{0, 0, 7, 7, 0, 255}));
}

// A lone minus converts nothing, so conversion stops before the token's end too.
TEST(ScanByteListTest, NotWholeDecimalNumbers) {
  const Scan result = scan("12a 0x1F - 5\n 3");
  EXPECT_EQ(result.printed, "UINT8_CONVERT ERRUINT8_CONVERT ERRUINT8_CONVERT ERRUINT8_CONVERT ERR");
  EXPECT_EQ(result.code, (Codes{0, 0, 0, 0, 3}));
}

// The conversion test comes first: a token that is out of range and not a whole number fails
// the conversion, and the two range tests never overlap.
TEST(ScanByteListTest, ConversionIsTestedBeforeRange) {
  const Scan result = scan("300a -1a 256 -1");
  EXPECT_EQ(result.printed, "UINT8_CONVERT ERRUINT8_CONVERT ERRUINT8_LEN ERRUINT8_RANGE ERR");
  EXPECT_EQ(result.code, (Codes{0, 0, 0, 0}));
}

// Text beyond long's range clamps to LONG_MAX or LONG_MIN, which the range tests reject: the
// messages are the same whether long has 64 bits or 32 (armhf), for tokens just beyond 32 bits,
// at and beyond 64 bits, of either sign.
TEST(ScanByteListTest, ValuesBeyondThirtyTwoAndSixtyFourBits) {
  const Scan result = scan(
      "2147483648 -2147483649 4294967296 -4294967296 "
      "9223372036854775807 -9223372036854775808 99999999999999999999 -99999999999999999999");
  std::string expected;
  for (int i = 0; i < 4; ++i) {
    expected += "UINT8_LEN ERRUINT8_RANGE ERR";
  }
  EXPECT_EQ(result.printed, expected);
  EXPECT_EQ(result.code, Codes(8, 0));
}

TEST(ScanByteListTest, NoTokens) {
  for (const char* line : {"", " ", "                "}) {
    const Scan result = scan(line);
    EXPECT_EQ(result.printed, "");
    EXPECT_TRUE(result.code.empty());
  }
}

// Only blanks separate: a leading tab is white space to strtol, a trailing or inner one is not.
TEST(ScanByteListTest, BlankRunsSeparateAndTabsStayInTokens) {
  const Scan result = scan("   1    2  \t5 5\t 1\t2 ");
  EXPECT_EQ(result.printed, "UINT8_CONVERT ERRUINT8_CONVERT ERR");
  EXPECT_EQ(result.code, (Codes{1, 2, 5, 0, 0}));
}

// 150 one-digit tokens and 149 blanks fill the 300-byte line with its terminating zero.
TEST(ScanByteListTest, FullLine) {
  std::string line = "1";
  for (int i = 1; i < 150; ++i) {
    line += i % 2 == 0 ? " 1" : " 2";
  }
  ASSERT_EQ(line.size(), LINE_SIZE - 1);
  const Scan result = scan(line);
  EXPECT_EQ(result.printed, "");
  ASSERT_EQ(result.code.size(), 150U);
  EXPECT_EQ(result.code.front(), 1);
  EXPECT_EQ(result.code[1], 2);
  EXPECT_EQ(result.code.back(), 2);
}

// With no zero byte in the line, its last byte ends the text: the "3" is not read, and nothing
// past the buffer is (the sanitizers would stop a read there).
TEST(ScanByteListTest, LineWithoutZeroByteEndsAtItsLastByte) {
  std::string line;
  for (int i = 0; i < 149; ++i) {
    line += "1 ";
  }
  line += "23";
  ASSERT_EQ(line.size(), LINE_SIZE);
  const Scan result = scan(line);
  EXPECT_EQ(result.printed, "");
  ASSERT_EQ(result.code.size(), 150U);
  EXPECT_EQ(result.code.back(), 2);
}

}  // namespace
