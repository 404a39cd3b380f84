// The facts that the lesson pages draw, as one JSON object on standard output, each from the
// programs' own code: the layouts from the records' sizeof and offsetof, the bytes and values
// from what the programs print, the reversal, the store and the sign of a byte from the units'
// functions. The page generator draws them. The fields are listed here by name, each placed by
// offsetof; nothing is copied from the outputs.
//
//   pictures <usartFrameDump's output> <recordBytesDump's output> <seriesReport's output>
//
// It exits with 1, after a line on standard error, when an output cannot be read or is not as
// it is read here, or when a picture would not show what its page says.

#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "ArrayStats.h"
#include "arrStats.h"
#include "binCharEncode.h"
#include "binCharUSARTEncode.h"
#include "binEncodeExample.h"
#include "bit_reverse.h"
#include "captureOutput.h"

namespace {

[[noreturn]] void fail(const std::string& why) {
  std::fprintf(stderr, "pictures: %s\n", why.c_str());
  std::exit(EXIT_FAILURE);
}

// JSON: a string, a number, an array, an object whose members are (key, JSON) pairs. The
// strings here are names and numbers, which need no escapes.
std::string text(std::string_view value) {
  return std::string(1, '"').append(value).append(1, '"');
}
template <typename Number>
std::string number(Number value) {
  return std::to_string(value);
}
template <typename Item, typename Json>
std::string array(const std::vector<Item>& items, Json json) {
  std::string joined = "[";
  for (const Item& item : items) {
    joined.append(joined.size() > 1 ? ", " : "").append(json(item));
  }
  return joined.append("]");
}
std::string object(const std::vector<std::pair<const char*, std::string>>& members) {
  std::string joined = "{";
  for (const auto& [key, json] : members) {
    joined.append(joined.size() > 1 ? ", " : "").append(text(key)).append(": ").append(json);
  }
  return joined.append("}");
}

// The exact value of a float in decimal: widened to double it is exact, and %.40g prints every
// digit that these values have, trailing zeros dropped.
std::string exact(float value) {
  char digits[64];
  std::snprintf(digits, sizeof digits, "%.40g", static_cast<double>(value));
  return text(digits);
}

// The bytes of the file `path`.
std::string contentOf(const char* path) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) {
    fail(std::string("cannot read ") + path);
  }
  std::string content;
  char block[4096];
  std::size_t got = sizeof block;
  while (got == sizeof block) {  // a short read is the end of the file, or an error
    got = std::fread(block, 1, sizeof block, file);
    content.append(block, got);
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    fail(std::string("cannot read ") + path);
  }
  return content;
}

// The first `count` bytes that `output` prints as "0x" and two hex digits, in order.
std::vector<unsigned> hexCells(const std::string& output, std::size_t count) {
  std::vector<unsigned> bytes;
  for (std::size_t at = output.find("0x"); at != std::string::npos && bytes.size() < count;
       at = output.find("0x", at + 2)) {
    unsigned byte = 0;
    const char* digits = output.data() + at + 2;
    if (std::from_chars(digits, digits + 2, byte, 16).ptr == digits + 2) {
      bytes.push_back(byte);
    }
  }
  if (bytes.size() != count) {
    fail("fewer than " + std::to_string(count) + " hex cells");
  }
  return bytes;
}

struct Field {
  const char* name;
  std::size_t offset;
  std::size_t size;
};

Field field(const char* name, std::size_t offset, std::size_t size) {
  return {.name = name, .offset = offset, .size = size};
}

// A field of a record, named once: its name, offsetof and sizeof.
#define FIELD(Record, member) field(#member, offsetof(Record, member), sizeof(Record::member))

// A record's layout, and the bytes of it that a program prints.
template <typename Record>
std::string byteMap(const char* type, const std::vector<Field>& fields,
                    const std::vector<unsigned>& bytes) {
  return object({{"type", text(type)},
                 {"size", number(sizeof(Record))},
                 {"align", number(alignof(Record))},
                 {"fields", array(fields,
                                  [](const Field& field) {
                                    return object({{"name", text(field.name)},
                                                   {"offset", number(field.offset)},
                                                   {"size", number(field.size)}});
                                  })},
                 {"bytes", array(bytes, number<unsigned>)}});
}

// The float whose four bytes, lowest first as the record holds them, start at bytes[offset],
// split into its sign, its exponent (stored plus 127) and its 23 fraction bits.
std::string floatBits(const char* name, const std::vector<unsigned>& bytes, std::size_t offset) {
  std::uint32_t bits = 0;
  for (std::size_t i = 4; i-- > 0;) {
    bits = (bits << 8U) | bytes[offset + i];
  }
  const std::uint32_t fraction = bits & 0x7fffffU;
  // A normal float's significand is 1.fraction: the leading 1 is not stored.
  const float significand = 1.0f + std::ldexp(static_cast<float>(fraction), -23);
  return object({{"name", text(name)},
                 {"bits", number(bits)},
                 {"sign", number(bits >> 31U)},
                 {"exponent", number((bits >> 23U) & 0xffU)},
                 {"fraction", number(fraction)},
                 {"significand", exact(significand)},
                 {"value", exact(std::bit_cast<float>(bits))}});
}

// reverseLow8(input), and where it sends each of the low 8 bits: moves[i] is the bit that bit
// i becomes, found by reversing that bit alone.
std::string reversal(std::uint32_t input) {
  std::vector<int> moves(8);
  for (unsigned bit = 0; bit < 8; ++bit) {
    moves[bit] = std::countr_zero(static_cast<unsigned>(reverseLow8(1U << bit)));
  }
  return object({{"input", number(input)},
                 {"result", number(reverseLow8(input))},
                 {"moves", array(moves, number<int>)}});
}

arrStat statsOf(const ArrayStats& store) {
  arrStat out;
  store.stats(&out);
  return out;
}

// A store of `capacity` samples after `added`, the samples it then holds, oldest first, and its
// statistics. The samples are read through its public operations: a sample added to a copy
// pushes the oldest out, so after k zeros the copy's oldest sample is held[k], and its diff
// (newest minus oldest) is 0 - held[k]; held[0] is the newest minus the store's own diff. They
// must be those that its statistics cover, as computeArrStats finds them.
std::string sampleStore(int capacity, const std::vector<float>& added) {
  ArrayStats store(capacity);
  for (const float sample : added) {
    store.add(sample);
  }
  std::vector<float> held(static_cast<std::size_t>(capacity));
  ArrayStats copy(store);
  for (std::size_t k = 1; k < held.size(); ++k) {
    copy.add(0.0f);
    held[k] = -statsOf(copy).diff;
  }
  const arrStat stats = statsOf(store);
  held[0] = held.back() - stats.diff;
  arrStatResult fromHeld;
  computeArrStats(held.data(), capacity, &fromHeld);
  if (fromHeld.min != stats.min || fromHeld.max != stats.max || fromHeld.mean != stats.mean ||
      fromHeld.incCount != stats.incCount || fromHeld.decCount != stats.decCount) {
    fail("the samples read from the store are not those its statistics cover");
  }
  return object({{"capacity", number(capacity)},
                 {"added", array(added, exact)},
                 {"held", array(held, exact)},
                 {"min", exact(stats.min)},
                 {"max", exact(stats.max)},
                 {"mean", exact(stats.mean)},
                 {"diff", exact(stats.diff)},
                 {"trend", exact(stats.trend)}});
}

// One byte read as printString reads it, as signed char widened to int, and as unsigned char.
std::string signOfByte(char byte) {
  const char data[] = {byte};
  // printString prints the length line, "1\n", then the hex cell "%x \t" and the character.
  const std::string printed =
      captureOutput(stdout, [&] { printString({.tag = 1, .length = 1, .data = data}); });
  const std::size_t cell = printed.find('\n') + 1;
  char unsignedCell[8];
  std::snprintf(unsignedCell, sizeof unsignedCell, "%x", static_cast<unsigned char>(byte) + 0U);
  return object({{"byte", number(static_cast<unsigned char>(byte) + 0U)},
                 {"asSigned", number(static_cast<signed char>(byte) + 0)},
                 {"signedCell", text(printed.substr(cell, printed.find(' ', cell) - cell))},
                 {"asUnsigned", number(static_cast<unsigned char>(byte) + 0U)},
                 {"unsignedCell", text(unsignedCell)},
                 {"plainCharSigned", std::is_signed_v<char> ? "true" : "false"}});
}

// The samples that seriesReport lists first, "index \t value \n" each, as stored: the float
// nearest to the six printed decimals is the stored sample, since floats there are 1/128 apart;
// it must print as those decimals again. With it, the floats' spacing there and its step on
// that grid.
std::string storedSeries(const std::string& listing) {
  std::vector<std::string> samples;
  for (std::size_t at = 0; std::isdigit(static_cast<unsigned char>(listing[at])) != 0;
       at = listing.find('\n', at) + 1) {
    double printed = 0.0;
    std::from_chars(listing.data() + listing.find("\t ", at) + 2, listing.data() + listing.size(),
                    printed);
    const auto stored = static_cast<float>(printed);
    char again[32];
    std::snprintf(again, sizeof again, "%zu \t %f \n", samples.size(), static_cast<double>(stored));
    if (listing.compare(at, std::strlen(again), again) != 0) {
      fail("seriesReport's listing does not read back at: " + std::string(again));
    }
    const float spacing = std::nextafter(stored, INFINITY) - stored;
    samples.push_back(object({{"stored", exact(stored)},
                              {"spacing", exact(spacing)},
                              {"steps", exact((stored - std::floor(stored)) / spacing)}}));
  }
  return array(samples, [](const std::string& sample) { return sample; });
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4) {
    fail(
        "usage: pictures <usartFrameDump's output> <recordBytesDump's output> "
        "<seriesReport's output>");
  }
  const std::vector<unsigned> frame = hexCells(contentOf(argv[1]), sizeof(usartFrame));
  const std::vector<unsigned> record = hexCells(contentOf(argv[2]), sizeof(mixedRecord));
  const std::string facts = object({
      {"frame", byteMap<usartFrame>(
                    "usartFrame",
                    {FIELD(usartFrame, command), FIELD(usartFrame, separator),
                     FIELD(usartFrame, payload), FIELD(usartFrame, cr), FIELD(usartFrame, lf)},
                    frame)},
      {"record",
       byteMap<mixedRecord>("mixedRecord",
                            {FIELD(mixedRecord, intValue), FIELD(mixedRecord, floatValue1),
                             FIELD(mixedRecord, floatValue2), FIELD(mixedRecord, longValue),
                             FIELD(mixedRecord, text)},
                            record)},
      {"floats", "[" + floatBits("floatValue1", record, offsetof(mixedRecord, floatValue1)) + ", " +
                     floatBits("floatValue2", record, offsetof(mixedRecord, floatValue2)) + "]"},
      {"reversal", reversal(43)},
      {"store", sampleStore(4, {1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f})},
      {"sign", signOfByte('\x80')},
      {"series", storedSeries(contentOf(argv[3]))},
  });
  std::puts(facts.c_str());
  return EXIT_SUCCESS;
}
