// secondSampler's experiments: a store of a small capacity fed any samples, shown as its storage
// holds them, and the schedule fed any clock readings, shown against its grid.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "ArrayStats.h"
#include "arrayStats.h"
#include "lesson.h"

namespace {

std::string shortest(float value) {
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.9g", static_cast<double>(value));
  return digits;
}

void storeOf(Lesson& lesson) {
  const auto capacity =
      static_cast<int>(lesson.integer("capacity", "4", "capacity, from 0 to 16 samples", 0, 16));
  std::vector<float> samples;
  for (const std::string& word :
       lesson.words("samples", "1 2 3 4 5 6", "samples, added in turn", 0, 64)) {
    samples.push_back(lesson.realOf("samples", word));
  }
  if (!lesson.experiment("Keep the newest samples")) {
    return;
  }
  ArrayStats store(capacity);
  for (const float sample : samples) {
    store.add(sample);
  }
  const ArrayStats::Ring ring = store.ring();
  const auto held = static_cast<std::size_t>(ring.count);
  const std::size_t start = ring.nextSlot + ring.items.size() / 2 - held;
  std::fprintf(picture,
               "<figure class='picture ring'><p>An <code>ArrayStats(%d)</code> after %zu calls "
               "of <code>add</code>: its %zu slots, each sample written twice, at "
               "<code>nextSlot</code> and <code>nextSlot</code> + %d. nextSlot is now %zu; the %zu "
               "samples held, oldest first, lie side by side from slot %zu.</p><p class='cells'>",
               capacity, samples.size(), ring.items.size(), capacity, ring.nextSlot, held, start);
  for (std::size_t slot = 0; slot < ring.items.size(); ++slot) {
    std::fprintf(picture, "<span class='byte%s%s' title='items[%zu]'><small>%zu</small>%s</span>",
                 slot >= start && slot < start + held ? " held" : "",
                 slot == ring.nextSlot ? " next" : "", slot, slot,
                 shortest(ring.items[slot]).c_str());
  }
  arrStat stats;
  store.stats(&stats);
  std::fprintf(picture,
               "</p><figcaption>In colour, the samples held; outlined, slot nextSlot, where the "
               "next sample goes. Their <code>stats</code>: min %s, max %s, mean %s, incCount %d, "
               "decCount %d, incSeqCount %d, decSeqCount %d, diff %s, trend %s, incMaxDiff %s, "
               "decMaxDiff %s.</figcaption></figure>",
               shortest(stats.min).c_str(), shortest(stats.max).c_str(),
               shortest(stats.mean).c_str(), stats.incCount, stats.decCount, stats.incSeqCount,
               stats.decSeqCount, shortest(stats.diff).c_str(), shortest(stats.trend).c_str(),
               shortest(stats.incMaxDiff).c_str(), shortest(stats.decMaxDiff).c_str());
}

void scheduleOf(Lesson& lesson) {
  std::vector<std::int64_t> readings;
  for (const std::string& word :
       lesson.words("readings", "100 100 100 101 101 102 402 402 403 343 343 344",
                    "readings of the clock, in seconds, the first the start", 1, 32)) {
    readings.push_back(lesson.integerOf("readings", word, 0, INT64_MAX / 2));
  }
  if (!lesson.experiment("Schedule the samples")) {
    return;
  }
  SampleSchedule schedule(readings[0], SAMPLE_PERIOD);
  std::fprintf(picture,
               "<figure class='picture schedule'><table><caption>A schedule started at %lld, "
               "a period of %d s, fed the readings in turn</caption><thead><tr><th "
               "scope='col'>reading</th><th scope='col'>due from</th><th "
               "scope='col'>sample</th></tr></thead><tbody>",
               static_cast<long long>(readings[0]), SAMPLE_PERIOD);
  for (std::size_t i = 1; i < readings.size(); ++i) {
    const std::int64_t dueFrom = schedule.nextDue();
    const bool due = schedule.isDue(readings[i]);
    std::fprintf(picture, "<tr%s><td>%lld</td><td>%lld</td><td>%s</td></tr>",
                 due ? " class='due'" : "", static_cast<long long>(readings[i]),
                 static_cast<long long>(dueFrom), due ? "due" : "");
  }
  std::fputs(
      "</tbody></table><figcaption>A sample is due at the first reading from the due mark on; the "
      "next is due a period after the grid point it was due at, however late the reading came, so "
      "the samples stay on the grid of whole periods from the start. A reading before the last "
      "grid point (the clock was stepped back) starts the grid again there.</figcaption></figure>",
      picture);
}

}  // namespace

void experiments(Lesson& lesson) {
  storeOf(lesson);
  scheduleOf(lesson);
}
