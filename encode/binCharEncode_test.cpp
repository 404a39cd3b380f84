#include "binCharEncode.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "captureOutput.h"

namespace {

std::string printed(countedString text) {
  return captureOutput(stdout, [&] { printString(text); });
}

// Bytes at or above 0x80 are negative as signed characters and widen with their sign.
TEST(PrintStringTest, HighBytesAreSignWidened) {
  const char bytes[] = {'\x80', '\xff', '\x7f'};
  EXPECT_EQ(printed({0, 3, bytes}), "3\nffffff80 \t\x80 \tffffffff \t\xff \t7f \t\x7f \t");
}

TEST(PrintStringTest, ZeroByteIsWrittenRaw) {
  const char bytes[] = {'a', '\0'};
  EXPECT_EQ(printed({0, 2, bytes}), std::string("2\n61 \ta \t0 \t\0 \t", 15));
}

// Nothing is read for a length of 0 or below: the data pointer is null.
TEST(PrintStringTest, NonPositiveLengthPrintsOnlyTheLength) {
  EXPECT_EQ(printed({1, 0, nullptr}), "0\n");
  EXPECT_EQ(printed({1, -5, nullptr}), "-5\n");
}

}  // namespace
