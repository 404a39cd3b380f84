// byteListParse's experiment: any line that fits the buffer, scanned as the program scans its
// own, and the buffer as strtok leaves it.

#include <cstdint>
#include <cstdio>
#include <string>

#include "char2uint8.h"
#include "lesson.h"

void experiments(Lesson& lesson) {
  const std::string typed = lesson.text("line", "32 128 255 256 00", "line", LINE_SIZE - 1);
  if (!lesson.experiment("Scan a line")) {
    return;
  }
  char line[LINE_SIZE] = {};
  typed.copy(line, LINE_SIZE - 1);
  std::uint8_t code[CODE_SLOTS] = {};
  const std::int32_t count = scanByteList(line, code);
  printByteList(code, count);

  std::fprintf(
      picture,
      "<figure class='picture buffer'><p>The buffer <code>line</code> after the scan, "
      "up to the zero that ends its text, at %zu: <code>strtok</code> found %d "
      "token%s, and wrote a zero over the blank right after each token, where there is one.</p>"
      "<p class='cells'>",
      typed.size(), count, count == 1 ? "" : "s");
  std::int32_t token = 0;
  for (std::size_t at = 0; at <= typed.size(); ++at) {
    const char byte = line[at];
    const bool starts =
        byte != '\0' && byte != ' ' && (at == 0 || line[at - 1] == '\0' || line[at - 1] == ' ');
    const bool cut = byte == '\0' && at < typed.size();
    char shown[8];  // a byte that shows nothing or that UTF-8 would misread, in hex
    std::snprintf(shown, sizeof shown, byte > ' ' && byte < 0x7f ? "%c" : "\\x%02x",
                  static_cast<unsigned char>(byte));
    std::fprintf(picture, "<span class='byte%s%s' title='line[%zu]'>%s%s</span>",
                 starts ? " start" : "", cut ? " cut" : "", at,
                 byte == ' ' ? "␣" : html(byte == '\0' ? "\\0" : shown).c_str(),
                 starts ? ("<small>code[" + std::to_string(token++) + "]</small>").c_str() : "");
  }
  std::fputs(
      "</p><figcaption>Outlined, the first byte of each token, with its position: the slot of "
      "<code>code</code> that it fills if it is a byte, and that a rejected token leaves as it "
      "was. In colour, the zeros <code>strtok</code> wrote; ␣ is a blank, \\0 a zero byte."
      "</figcaption></figure>",
      picture);
}
