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

void storeOf(Lesson& lesson) {
  const auto capacity =
      static_cast<int>(lesson.integer("capacity", "4", "capacity in samples", 0, 16));
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
  const std::size_t start = ring.nextSlot + (ring.items.size() / 2) - held;
  // Both copies in one row, as the storage lies, so that the samples held show side by side.
  std::fprintf(picture,
               "<figure class='picture ring'><p><code>ArrayStats(%d)</code> after %zu call%s of "
               "<code>add</code>: its %zu slots, the first copy and then the second from slot %d. "
               "nextSlot is %zu; the samples held, %zu, oldest first, lie side by side from slot "
               "%zu.</p><p class='cells'>",
               capacity, samples.size(), samples.size() == 1 ? "" : "s", ring.items.size(),
               capacity, ring.nextSlot, held, start);
  for (std::size_t slot = 0; slot < ring.items.size(); ++slot) {
    std::fprintf(picture, "<span class='byte%s%s%s' title='items[%zu]'><small>%zu</small>%s</span>",
                 slot >= start && slot < start + held ? " held" : "",
                 slot == ring.nextSlot ? " next" : "",
                 slot == static_cast<std::size_t>(capacity) ? " twin" : "", slot, slot,
                 exact(ring.items[slot]).c_str());
  }
  arrStat stats;
  store.stats(&stats);
  std::fprintf(picture,
               "</p><figcaption>In colour, the samples held; outlined, slot nextSlot, where the "
               "next sample goes. Their <code>stats</code>%s: min %s, max %s, mean "
               "%s, incCount %d, decCount %d, incSeqCount %d, decSeqCount %d, diff %s, trend %s, "
               "incMaxDiff %s, decMaxDiff %s.</figcaption></figure>",
               held == 0 ? " (all 0 for an empty store, whose avg() is NaN)" : "",
               exact(stats.min).c_str(), exact(stats.max).c_str(), exact(stats.mean).c_str(),
               stats.incCount, stats.decCount, stats.incSeqCount, stats.decSeqCount,
               exact(stats.diff).c_str(), exact(stats.trend).c_str(),
               exact(stats.incMaxDiff).c_str(), exact(stats.decMaxDiff).c_str());
}

void scheduleOf(Lesson& lesson) {
  const std::int64_t period = lesson.integer(
      "period", "1", "period in seconds (the program's SAMPLE_PERIOD is 1)", 1, 3600);
  std::vector<std::int64_t> readings;
  for (const std::string& word : lesson.words(
           "readings", "100 100 100 101 101 102 402 402 403 343 343 344",
           "readings of the clock in seconds, the first the start, each from -2^62 to 2^62 - 1, "
           "so that no difference of two overflows",
           1, 32)) {
    readings.push_back(lesson.integerOf("readings", word, INT64_MIN / 2, INT64_MAX / 2));
  }
  if (!lesson.experiment("Schedule the samples")) {
    return;
  }
  SampleSchedule schedule(readings[0], period);
  std::fprintf(picture,
               "<figure class='picture schedule'><table><caption>A schedule started at %lld, "
               "a period of %lld s, fed the readings in turn</caption><thead><tr><th "
               "scope='col'>reading</th><th scope='col'>due from</th><th "
               "scope='col'>sample</th></tr></thead><tbody>",
               static_cast<long long>(readings[0]), static_cast<long long>(period));
  for (std::size_t i = 1; i < readings.size(); ++i) {
    const std::int64_t dueFrom = schedule.nextDue();
    const bool due = schedule.isDue(readings[i]);
    std::fprintf(picture, "<tr%s><td>%lld</td><td>%lld</td><td>%s</td></tr>",
                 due ? " class='due'" : "", static_cast<long long>(readings[i]),
                 static_cast<long long>(dueFrom), due ? "due" : "");
  }
  std::fputs(
      "</tbody></table><figcaption>Each reading beside the reading from which a sample was due "
      "when it came: a period past the due mark, the grid point of the last sample. A due reading "
      "moves the mark to the latest grid point not after it, however late it came, so the samples "
      "stay on the grid of whole periods from the start. A reading before the mark (the clock was "
      "stepped back) is not due, and starts the grid again there.</figcaption></figure>",
      picture);
}

}  // namespace

void experiments(Lesson& lesson) {
  storeOf(lesson);
  scheduleOf(lesson);
}
