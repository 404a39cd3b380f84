#include "binCharUSARTEncode.h"

#include <cstdio>
#include <cstring>

#include "closeOutput.h"

void print_binary(std::uint8_t value) {
  if (value >> 1 != 0) {
    print_binary(static_cast<std::uint8_t>(value >> 1));
  }
  std::putchar((value & 1) != 0 ? '1' : '0');
}

void USARTWrite(const std::uint8_t* data, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) {
    std::printf("0x%02x\t", data[i]);
    print_binary(data[i]);
    std::putchar('\n');
  }
  std::putchar('\n');
}

int main(int /*argc*/, char* /*argv*/[]) {
  const char payloadText[3] = {'a', 'b', 'c'};

  // Value-initialised with T(), which zeroes padding bits too, so the two padding bytes that are
  // sent with the frame are zero. `usartFrame frame{}` would be aggregate initialisation, which
  // sets the members only and leaves the padding unspecified.
  usartFrame frame = usartFrame();
  frame.command = 67;
  frame.separator = ' ';
  std::strncpy(frame.payload, payloadText, sizeof frame.payload);
  frame.cr = '\r';
  frame.lf = '\n';

  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&frame);
  USARTWrite(bytes, sizeof frame);
  USARTWrite(bytes, sizeof frame);
  return closeOutput(stdout, "usartFrameDump");
}
