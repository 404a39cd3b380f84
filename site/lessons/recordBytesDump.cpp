// recordBytesDump's experiment: any value of each field, dumped as the program dumps its own
// record, and the record's bytes mapped by field, with each float's bits.

#include <cstdint>
#include <cstring>
#include <string>

#include "binEncodeExample.h"
#include "lesson.h"

void experiments(Lesson& lesson) {
  const auto intValue = static_cast<std::int32_t>(
      lesson.integer("intValue", "101", "intValue, a 32-bit integer", INT32_MIN, INT32_MAX));
  const float floatValue1 =
      lesson.realOf("floatValue1", lesson.text("floatValue1", "3.142", "floatValue1, a float", 40));
  const float floatValue2 =
      lesson.realOf("floatValue2", lesson.text("floatValue2", "-11.6", "floatValue2, a float", 40));
  const std::int64_t longValue =
      lesson.integer("longValue", "604421198", "longValue, a 64-bit integer", INT64_MIN, INT64_MAX);
  const std::string text = lesson.text("text", "N NE E SE S", "text", 20);
  if (!lesson.experiment("Lay out a record")) {
    return;
  }
  mixedRecord record;
  std::memset(&record, 0, sizeof record);
  record.intValue = intValue;
  record.floatValue1 = floatValue1;
  record.floatValue2 = floatValue2;
  record.longValue = longValue;
  std::strncpy(record.text, text.c_str(), sizeof record.text);
  dumpRecordCopy(record);

  const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
  byteMap(
      "mixedRecord", bytes, sizeof record, alignof(mixedRecord),
      {FIELD(mixedRecord, intValue), FIELD(mixedRecord, floatValue1),
       FIELD(mixedRecord, floatValue2), FIELD(mixedRecord, longValue), FIELD(mixedRecord, text)});
  floatBits("floatValue1", bytes + offsetof(mixedRecord, floatValue1));
  floatBits("floatValue2", bytes + offsetof(mixedRecord, floatValue2));
}
