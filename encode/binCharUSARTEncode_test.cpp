#include "binCharUSARTEncode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <cstdio>
#include <string>

#include "captureOutput.h"

namespace {

// Every byte value against std::bitset's eight digits with the leading zeros dropped.
TEST(PrintBinaryTest, AllByteValues) {
  for (int value = 0; value < 256; ++value) {
    std::string expected = std::bitset<8>(static_cast<unsigned long long>(value)).to_string();
    expected.erase(0, std::min(expected.find('1'), expected.size() - 1));
    const std::string printed =
        captureOutput(stdout, [&] { print_binary(static_cast<std::uint8_t>(value)); });
    EXPECT_EQ(printed, expected) << "value " << value;
  }
}

TEST(USARTWriteTest, EmptyDataWritesOnlyTheEmptyLine) {
  EXPECT_EQ(captureOutput(stdout, [] { USARTWrite(nullptr, 0); }), "\n");
}

TEST(USARTWriteTest, OneLinePerByteInLowerCaseHex) {
  const std::uint8_t bytes[] = {0x0d, 0xff, 0x00, 0x80};
  EXPECT_EQ(captureOutput(stdout, [&] { USARTWrite(bytes, sizeof bytes); }),
            "0x0d\t1101\n0xff\t11111111\n0x00\t0\n0x80\t10000000\n\n");
}

}  // namespace
