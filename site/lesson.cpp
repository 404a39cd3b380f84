#include "lesson.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>

#include "closeOutput.h"

std::FILE* const picture = stderr;

Lesson::Lesson(int argc, char* argv[]) : given(argv + std::min(argc, 2), argv + argc) {
  char* end = nullptr;
  describing = argc == 2 && std::strcmp(argv[1], "describe") == 0;
  if (argc >= 2 && !describing) {
    asked = static_cast<int>(std::strtol(argv[1], &end, 10));
  }
  if (!describing && (end == nullptr || *end != '\0' || asked < 0)) {
    std::fputs("usage: lesson describe | lesson <experiment> <name>=<value>...\n", stderr);
    std::exit(2);
  }
}

bool Lesson::experiment(const char* title) {
  if (describing) {
    std::printf("experiment\t%s\n", title);
  }
  const bool run = asking() && !refused;
  ++declared;
  return run;
}

bool Lesson::asking() const {
  return !describing && declared == asked;
}

std::string Lesson::text(const char* name, const char* byDefault, const char* label,
                         std::size_t maxBytes) {
  return declare(name, byDefault, label + (", up to " + std::to_string(maxBytes) + " bytes"),
                 maxBytes);
}

std::vector<std::string> Lesson::words(const char* name, const char* byDefault, const char* label,
                                       std::size_t minCount, std::size_t maxCount) {
  const std::string counts =
      (minCount == maxCount ? "" : std::to_string(minCount) + " to ") + std::to_string(maxCount);
  const std::string typed = declare(name, byDefault, label + (", " + counts + " values"), 1000);
  std::vector<std::string> found;
  for (std::size_t at = typed.find_first_not_of(' '), end = 0; at != std::string::npos;
       at = typed.find_first_not_of(' ', end)) {
    end = std::min(typed.find(' ', at), typed.size());
    found.push_back(typed.substr(at, end - at));
  }
  if (asking() && (found.size() < minCount || found.size() > maxCount)) {
    refuse(name, counts + " values, not " + std::to_string(found.size()));
  }
  return found;
}

std::int64_t Lesson::integer(const char* name, const char* byDefault, const char* label,
                             std::int64_t min, std::int64_t max) {
  const std::string range = ", from " + std::to_string(min) + " to " + std::to_string(max);
  return integerOf(name, declare(name, byDefault, label + range, 40), min, max);
}

std::string Lesson::declare(const char* name, const char* byDefault, const std::string& label,
                            std::size_t maxBytes) {
  if (describing) {
    std::printf("input\t%s\t%s\t%s\n", name, byDefault, label.c_str());
  }
  std::string value = byDefault;
  const std::string key = std::string(name) + "=";
  for (const std::string& argument : given) {
    if (argument.starts_with(key)) {
      value = argument.substr(key.size());
    }
  }
  if (asking() && value.size() > maxBytes) {
    refuse(name, std::to_string(value.size()) + " bytes, more than " + std::to_string(maxBytes));
  }
  return value;
}

// A typed number without the blanks around it, which are no part of it.
static std::string trimmed(const std::string& typed) {
  const std::size_t first = std::min(typed.find_first_not_of(' '), typed.size());
  return typed.substr(first, typed.find_last_not_of(' ') + 1 - first);
}

std::int64_t Lesson::integerOf(const char* name, const std::string& typed, std::int64_t min,
                               std::int64_t max, int base) {
  const std::string word = trimmed(typed);
  const std::size_t digits = word.find_first_not_of("+-");
  // A decimal number may be written in hex too, as C++ writes it: 0x2b is 43.
  const bool hex = base == 16 || word.compare(std::min(digits, word.size()), 2, "0x") == 0;
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(word.c_str(), &end, hex ? 16 : 10);
  if (!asking()) {
    return 0;
  }
  // One sign at most, and then no white space, which strtoll would skip.
  if (digits > 1 || digits >= word.size() ||
      std::isspace(static_cast<unsigned char>(word[digits])) != 0 || *end != '\0') {
    refuse(name, "'" + word + (base == 16 ? "' is not a hex number" : "' is not a number"));
  } else if (errno == ERANGE || value < min || value > max) {
    char range[64];
    std::snprintf(range, sizeof range, base == 16 ? "%llx to %llx" : "%lld to %lld",
                  static_cast<long long>(min), static_cast<long long>(max));
    refuse(name, "'" + word + "' is out of range: from " + range);
  }
  return value;
}

float Lesson::realOf(const char* name, const std::string& typed) {
  const std::string word = trimmed(typed);
  char* end = nullptr;
  errno = 0;
  float value = std::strtof(word.c_str(), &end);
  if (!asking()) {
    return 0.0f;
  }
  // C libraries differ in the sign they give a NaN read from "-nan": here it is the word's.
  if (std::isnan(value)) {
    value = std::copysign(value, word[0] == '-' ? -1.0f : 1.0f);
  }
  if (word.empty() || std::isspace(static_cast<unsigned char>(word[0])) != 0 || *end != '\0') {
    refuse(name, "'" + word + "' is not a number");
  } else if (errno == ERANGE && (std::isinf(value) || value == 0.0f)) {
    refuse(name, "'" + word +
                     (value == 0.0f ? "' is too near 0 for a float: it rounds to 0"
                                    : "' is beyond the range of float"));
  }
  return value;
}

int Lesson::status() const {
  return refused ? 2 : closeOutput(stdout, "lesson");
}

void Lesson::refuse(const char* name, const std::string& why) {
  std::fprintf(stderr, "%s\t%s\n", name, why.c_str());
  refused = true;
}

int main(int argc, char* argv[]) {
  Lesson lesson(argc, argv);
  experiments(lesson);
  return lesson.status();
}

std::string html(const std::string& text) {
  static const std::map<char, std::string> references = {
      {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&quot;"}, {'\'', "&#39;"}};
  std::string escaped;
  for (const char byte : text) {
    const auto found = references.find(byte);
    escaped += found == references.end() ? std::string(1, byte) : found->second;
  }
  return escaped;
}

std::string exact(float value) {
  // Widened to double a float is exact, and none has more than 112 significant digits.
  char digits[160];
  std::snprintf(digits, sizeof digits, "%.112g", static_cast<double>(value));
  return digits;
}

void byteMap(const char* type, const unsigned char* bytes, std::size_t size, std::size_t align,
             const std::vector<Field>& fields) {
  std::vector<int> owner(size, -1);  // the number of the field that holds each byte, or -1
  for (std::size_t number = 0; number < fields.size(); ++number) {
    for (std::size_t at = 0; at < fields[number].size; ++at) {
      owner[fields[number].offset + at] = static_cast<int>(number);
    }
  }
  std::string rows;
  std::string key;
  // Each run of bytes with one owner: a field, or padding.
  for (std::size_t start = 0, end = 0; start < size; start = end) {
    while (end < size && owner[end] == owner[start]) {
      ++end;
    }
    const int number = owner[start];
    const std::string kind = number < 0 ? "padding" : "field" + std::to_string(number);
    const std::string name = number < 0 ? "padding" : fields[static_cast<std::size_t>(number)].name;
    for (std::size_t at = start; at < end; ++at) {
      char cell[160];
      std::snprintf(
          cell, sizeof cell,
          "%s<td class='%s' data-offset='%zu' title='%s, byte %zu of %zu'>%02x</td>",
          at % align == 0 ? ("<tr><th scope='row'>" + std::to_string(at) + "</th>").c_str() : "",
          kind.c_str(), at, name.c_str(), at - start + 1, end - start, bytes[at]);
      rows += cell;
    }
    char part[160];
    std::snprintf(part, sizeof part,
                  "<li><span class='swatch %s'></span><code>%s</code>: offset %zu, %zu byte%s</li>",
                  kind.c_str(), name.c_str(), start, end - start, end - start > 1 ? "s" : "");
    key += part;
  }
  std::fprintf(picture,
               "<figure class='picture bytemap'><table class='bytes' data-record='%s'><caption>"
               "<code>%s</code>: its %zu bytes in memory order, %zu to a row as it is aligned to "
               "%zu</caption><thead><tr><th scope='col'>offset</th>",
               type, type, size, align, align);
  for (std::size_t column = 0; column < align; ++column) {
    std::fprintf(picture, "<th scope='col'>+%zu</th>", column);
  }
  std::fprintf(picture,
               "</tr></thead><tbody>%s</tbody></table><figcaption><ul class='key'>%s</ul>"
               "</figcaption></figure>",
               rows.c_str(), key.c_str());
}

void floatBits(const char* name, const unsigned char* bytes) {
  std::uint32_t bits = 0;
  for (std::size_t at = 4; at-- > 0;) {
    bits = bits << 8U | bytes[at];
  }
  const std::uint32_t exponent = bits >> 23U & 0xffU;
  const std::uint32_t fraction = bits & 0x7fffffU;
  std::fprintf(picture,
               "<figure class='picture float'><p><code>%s</code>: its bytes as printed, %02x "
               "%02x %02x %02x, lowest first; highest first they read 0x%08x, whose 32 bits, four "
               "to a hex digit, are a sign, an exponent and a fraction:</p><div class='bits' "
               "role='img' aria-label='0x%08x in bits'>",
               name, bytes[0], bytes[1], bytes[2], bytes[3], bits, bits);
  for (unsigned nibble = 0; nibble < 8; ++nibble) {
    std::fputs("<span class='nibble'>", picture);
    for (unsigned bit = nibble * 4; bit < nibble * 4 + 4; ++bit) {
      std::fprintf(
          picture, "<span class='%s'>%u</span>",
          std::array{"sign", "exponent", "fraction"}[std::size_t{bit > 0} + std::size_t{bit > 8}],
          bits >> (31 - bit) & 1U);
    }
    std::fprintf(picture, "<span class='hex'>%x</span></span>", bits >> (28 - nibble * 4) & 0xfU);
  }
  const char* minus = bits >> 31U != 0 ? "−" : "";
  std::fprintf(picture,
               "</div><figcaption><ul class='key'><li><span class='swatch sign'></span>sign "
               "%u: %s</li><li><span class='swatch exponent'></span>exponent %u: ",
               bits >> 31U, *minus != '\0' ? "negative" : "positive", exponent);
  // A normal float is 1.fraction times a power of two, its leading 1 not stored; the exponents
  // 0 and 255 are kept for zero and the subnormals, and for the infinities and NaNs.
  if (exponent == 0xffU) {
    std::fprintf(picture,
                 "all ones, kept for the infinities and NaNs</li><li><span class='swatch "
                 "fraction'></span>fraction %u</li></ul><p>value: %s%s</p>",
                 fraction, fraction != 0 ? "" : minus,
                 fraction != 0 ? "NaN, not a number" : "infinity");
  } else {
    const int power = exponent == 0 ? -126 : static_cast<int>(exponent) - 127;
    const std::string significand =
        exact(std::ldexp(static_cast<float>(fraction), -23) + (exponent == 0 ? 0.0f : 1.0f));
    std::fprintf(picture,
                 "%s2<sup>%d</sup></li><li><span class='swatch fraction'></span>fraction %u: "
                 "%s%u / 2<sup>23</sup> = %s</li></ul><p>value: %s%s × 2<sup>%d</sup> = %s%s, "
                 "exactly</p>",
                 exponent == 0 ? "all zeros, kept for zero and the subnormals, which have no "
                                 "leading 1: "
                               : ("2<sup>" + std::to_string(exponent) + " − 127</sup> = ").c_str(),
                 power, fraction, exponent == 0 ? "" : "1 + ", fraction, significand.c_str(), minus,
                 significand.c_str(), power, minus,
                 exact(std::fabs(std::bit_cast<float>(bits))).c_str());
  }
  std::fputs("</figcaption></figure>", picture);
}
