#pragma once

// The experiments of a program's page, each answered by the program's own functions. A lesson is
// one source built twice: for the build machine, which draws the static page and answers the
// tests, and for wasm32, which the page runs whenever the learner changes an input. So every
// picture has one drawing, and the page computes nothing of its own.
//
//   <lesson> describe                 each experiment's inputs, then its title, a line each
//   <lesson> <k> <name>=<value>...    runs experiment <k>, counted from 0
//
// An experiment calls the program's functions, which print to standard output what the program
// would print, and draws its picture, as HTML, on standard error. An input not given takes its
// default. An input that cannot be used reaches no unit: the lesson writes "<name>\t<why>\n" to
// standard error for each and exits with 2.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class Lesson {
 public:
  Lesson(int argc, char* argv[]);

  // Declare an input of the next experiment, its label followed by its limits, and return its
  // text, refused when longer than `maxBytes`; its words (split at blanks), refused unless
  // `minCount` to `maxCount`; or its whole number from `min` to `max`.
  std::string text(const char* name, const char* byDefault, const char* label,
                   std::size_t maxBytes);
  std::vector<std::string> words(const char* name, const char* byDefault, const char* label,
                                 std::size_t minCount, std::size_t maxCount);
  std::int64_t integer(const char* name, const char* byDefault, const char* label, std::int64_t min,
                       std::int64_t max);

  // A word of the input `name`, blanks around it ignored, read as a whole number in `base` (in
  // base 10, 0x may start a hex one) from `min` to `max`, or as a float literal is read: to the
  // nearest float, refused where that is an infinity or 0 from a number that is not.
  std::int64_t integerOf(const char* name, const std::string& typed, std::int64_t min,
                         std::int64_t max, int base = 10);
  float realOf(const char* name, const std::string& typed);

  // Ends the next experiment's inputs. In describe mode it prints "experiment\t<title>" after
  // them; otherwise it returns whether to run the experiment: it was asked for, and no input was
  // refused.
  bool experiment(const char* title);

  // 2 when an input was refused, else whether the output was written.
  [[nodiscard]] int status() const;

 private:
  [[nodiscard]] bool asking() const;
  std::string declare(const char* name, const char* byDefault, const std::string& label,
                      std::size_t maxBytes);
  void refuse(const char* name, const std::string& why);

  bool describing = false;
  int asked = -1;    // the experiment to run
  int declared = 0;  // the experiments declared so far
  std::vector<std::string> given;
  bool refused = false;
};

// Declares and runs the program's experiments; each lesson defines it.
void experiments(Lesson& lesson);

// Where a lesson draws its picture.
extern std::FILE* const picture;

// `text` with &, <, >, " and ' written as HTML's character references.
std::string html(const std::string& text);

// Every decimal digit of a float's value.
std::string exact(float value);

// A field of a record, named once: its name, offsetof and sizeof.
struct Field {
  const char* name;
  std::size_t offset;
  std::size_t size;
};
#define FIELD(Record, member) (Field{#member, offsetof(Record, member), sizeof(Record::member)})

// Draws a record's bytes, `align` to a row, each in its field's colour or marked as padding,
// with a key that names each field and each run of padding.
void byteMap(const char* type, const unsigned char* bytes, std::size_t size, std::size_t align,
             const std::vector<Field>& fields);

// Draws the float whose four bytes, lowest first as memory holds them, are at `bytes`: the bytes
// as printed, the bit pattern they make, and its sign, exponent and fraction, worked out.
void floatBits(const char* name, const unsigned char* bytes);
