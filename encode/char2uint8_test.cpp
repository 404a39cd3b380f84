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

// Scans `text` as the line, with every slot starting at 9, a value that no token here asks for,
// so that a rejected token's slot shows that it was left as it was. A text of LINE_SIZE bytes
// or more fills the whole line, leaving no zero byte.
Scan scan(const std::string& text) {
  char line[LINE_SIZE] = {};
  text.copy(line, LINE_SIZE);
  std::uint8_t code[CODE_SLOTS];
  std::ranges::fill(code, 9);
  std::int32_t count = 0;
  Scan result;
  result.printed = captureOutput(stdout, [&] { count = scanByteList(line, code); });
  result.code.assign(code, code + count);
  return result;
}

TEST(ScanByteListTest, Lines) {
  const std::string conv = "UINT8_CONVERT ERR";
  const std::string range = "UINT8_RANGE ERR";
  const std::string len = "UINT8_LEN ERR";
  struct Line {
    const char* name;
    std::string line;
    std::string printed;
    std::vector<int> code;
  };
  const std::vector<Line> cases = {
      // A rejected token leaves its slot as it was and still takes a position.
      {"BuiltInLine", "32 128 255 256 00", len, {32, 128, 255, 9, 0}},
      {"SignsAndLeadingZeros", "-1 -0 +7 007 0 255", range, {9, 0, 7, 7, 0, 255}},
      // A lone minus converts nothing, so conversion stops before the token's end too.
      {"NotWholeDecimalNumbers", "12a 0x1F - 5\n 3", conv + conv + conv + conv, {9, 9, 9, 9, 3}},
      // The conversion test comes first: a token that is out of range and not a whole number
      // fails the conversion, and the two range tests never overlap.
      {"ConversionIsTestedBeforeRange", "300a -1a 256 -1", conv + conv + len + range, {9, 9, 9, 9}},
      // Text beyond long's range clamps to LONG_MAX or LONG_MIN, which the range tests reject:
      // the messages are the same whether long has 64 bits or 32 (armhf), for tokens just beyond
      // 32 bits, at and beyond 64 bits, of either sign.
      {"ValuesBeyondThirtyTwoAndSixtyFourBits",
       "2147483648 -2147483649 4294967296 -4294967296 9223372036854775807 "
       "-9223372036854775808 99999999999999999999 -99999999999999999999",
       len + range + len + range + len + range + len + range, std::vector<int>(8, 9)},
      {"EmptyLine", "", "", {}},
      {"OneBlank", " ", "", {}},
      {"BlanksOnly", "                ", "", {}},
      // Only blanks separate: a leading tab is white space to strtol, a trailing or inner one
      // is not.
      {"BlankRunsSeparateAndTabsStayInTokens",
       "   1    2  \t5 5\t 1\t2 ",
       conv + conv,
       {1, 2, 5, 9, 9}},
  };
  for (const Line& row : cases) {
    SCOPED_TRACE(row.name);
    const Scan result = scan(row.line);
    EXPECT_EQ(result.printed, row.printed);
    EXPECT_EQ(result.code, row.code);
  }
}

// 150 one-digit tokens, 1 2 1 2 ..., and 149 blanks fill the 300-byte line with its
// terminating zero.
TEST(ScanByteListTest, FullLine) {
  std::string line = "1";
  std::vector<int> code = {1};
  for (int i = 1; i < 150; ++i) {
    line += i % 2 == 0 ? " 1" : " 2";
    code.push_back(i % 2 == 0 ? 1 : 2);
  }
  ASSERT_EQ(line.size(), LINE_SIZE - 1);
  const Scan result = scan(line);
  EXPECT_EQ(result.printed, "");
  EXPECT_EQ(result.code, code);
}

// With no zero byte in the line, its last byte ends the text: of 149 tokens "1" and a last one
// "23", the "3" is not read, and nothing past the buffer is (the sanitizers would stop a read
// there).
TEST(ScanByteListTest, LineWithoutZeroByteEndsAtItsLastByte) {
  std::string line;
  for (int i = 0; i < 149; ++i) {
    line += "1 ";
  }
  line += "23";
  ASSERT_EQ(line.size(), LINE_SIZE);
  std::vector<int> code(149, 1);
  code.push_back(2);
  const Scan result = scan(line);
  EXPECT_EQ(result.printed, "");
  EXPECT_EQ(result.code, code);
}

}  // namespace
