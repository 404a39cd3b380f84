// usartFrameDump: a 12-byte serial frame printed byte by byte, in hex and in binary, where a
// transmitter would send it. The frame's layout and bytes are mapped in
// encode/binCharUSARTEncode.h.

#include "binCharUSARTEncode.h"

#include <cstdio>
#include <cstring>
#include <type_traits>

#include "closeOutput.h"

void print_binary(std::uint8_t value) {
  // The higher bits are printed first by recursing on them before printing the lowest bit:
  // print_binary(13) calls print_binary(6), which calls print_binary(3), which calls
  // print_binary(1). On the way back each prints its own lowest bit, 1 (of 1), 1 (of 3), 0 (of
  // 6) and 1 (of 13), so 13 (0x0d) prints as 1101.
  // (A uint8_t is promoted to int for the shift, so value >> 1 is an int; the cast takes it back
  // to 8 bits.)
  if (value >> 1 != 0) {
    print_binary(static_cast<std::uint8_t>(value >> 1));
  }
  std::putchar((value & 1) != 0 ? '1' : '0');
}

void USARTWrite(const std::uint8_t* data, std::size_t length) {
  // The hex cell always shows the whole byte in two digits; the binary digits drop leading
  // zeros, so the line feed prints as 0x0a and 1010.
  for (std::size_t i = 0; i < length; ++i) {
    std::printf("0x%02x\t", data[i]);
    print_binary(data[i]);
    std::putchar('\n');
  }
  std::putchar('\n');
}

void fillFrame(usartFrame* frame, std::int32_t command, const char* payloadText) {
  // The padding belongs to no field, and no store to a field promises to write it; nor does
  // `usartFrame frame{};`, which gives each field its zero but leaves the padding unspecified
  // (`usartFrame()` would zero it too). memset writes all 12 bytes. No rule promises either that
  // the stores below leave the padding alone, but g++ and clang do, and the output tests check it
  // wherever the program builds: offsets 10 and 11 print 00.
  std::memset(frame, 0, sizeof *frame);
  frame->command = command;
  frame->separator = ' ';
  // strncpy is the classic filler of a fixed-width character field: it stops at a zero byte or
  // after 3 characters, whichever comes first, and pads with zeros when the text is shorter. The
  // program's payloadText holds no zero, so exactly 'a', 'b', 'c' are copied and no terminator
  // is written (memcpy would copy the same three bytes, but would not pad a shorter text).
  std::strncpy(frame->payload, payloadText, sizeof frame->payload);
  frame->cr = '\r';
  frame->lf = '\n';
}

// This main declares the argument count and vector, where the other programs declare none; it
// reads neither, so arguments are ignored here as there: the frame is built in.
int main(int /*argc*/, char* /*argv*/[]) {
  const char payloadText[3] = {'a', 'b', 'c'};
  // Try it in the page's experiment "Frame a command": type any command and payload, and see the
  // frame's bytes by field. A payload shorter than 3 bytes is padded with zeros, as strncpy pads.
  usartFrame frame;
  fillFrame(&frame, 67, payloadText);  // 67 is 'C'

  // Any object may be read byte by byte through unsigned char, which std::uint8_t is (checked
  // below): the aliasing rules let char, unsigned char and std::byte access any object.
  static_assert(std::is_same_v<std::uint8_t, unsigned char>,
                "the frame is read through std::uint8_t, which must be unsigned char");
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&frame);
  // Sent twice, as a transmitter may repeat a frame: USARTWrite only reads the bytes, so both
  // dumps are the same, and the empty line that ends each shows where one frame stops.
  USARTWrite(bytes, sizeof frame);
  USARTWrite(bytes, sizeof frame);
  return closeOutput(stdout, "usartFrameDump");
}
