// usartFrameDump's experiment: any command and payload, framed and written as the program
// writes its own frame, and the frame's bytes mapped by field.

#include <cstddef>
#include <cstdint>
#include <string>

#include "binCharUSARTEncode.h"
#include "lesson.h"

void experiments(Lesson& lesson) {
  const auto command = static_cast<std::int32_t>(
      lesson.integer("command", "67", "command, a 32-bit integer", INT32_MIN, INT32_MAX));
  const std::string payloadText = lesson.text("payload", "abc", "payload", 3);
  if (!lesson.experiment("Frame a command")) {
    return;
  }
  usartFrame frame;
  fillFrame(&frame, command, payloadText.c_str());
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&frame);
  USARTWrite(bytes, sizeof frame);
  USARTWrite(bytes, sizeof frame);

  byteMap("usartFrame", bytes, sizeof frame, alignof(usartFrame),
          {FIELD(usartFrame, command), FIELD(usartFrame, separator), FIELD(usartFrame, payload),
           FIELD(usartFrame, cr), FIELD(usartFrame, lf)});
}
