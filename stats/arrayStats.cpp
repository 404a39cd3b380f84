// secondSampler: a busy poll of the wall clock that, once a second, prints "Exec..." and the
// time, and adds one rand() sample to an ArrayStats store whose samples are never printed. It
// shows a schedule kept on a grid of whole seconds from a clock that is read, not waited on.

#include "arrayStats.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>

#include "ArrayStats.h"
#include "closeOutput.h"

SampleSchedule::SampleSchedule(std::int64_t start, std::int64_t periodSeconds)
    : dueMark(start), period(periodSeconds) {}

// Try it in the page's experiment "Schedule the samples": any readings of the clock, and which
// of them a sample is due at.
bool SampleSchedule::isDue(std::int64_t now) {
  if (now < dueMark) {
    dueMark = now;
    return false;
  }
  const std::int64_t elapsed = now - dueMark;
  if (elapsed < period) {
    return false;
  }
  // The mark moves by whole periods, from where it was rather than to `now`, so the samples stay
  // on the grid that began at the start reading: with a period of 5 from 100, a reading of 112
  // moves the mark to 110, not 112. (With this program's period of 1, every second is on it.)
  dueMark += elapsed - elapsed % period;
  return true;
}

std::int64_t SampleSchedule::nextDue() const {
  return dueMark + period;
}

int runSampler() {
  // The start line names the unit, arrayStats, not the program.
  if (std::puts("arrayStats begin...") == EOF) {
    return reportWriteError("secondSampler", errno);
  }
  ArrayStats store;
  try {
    store = ArrayStats(SAMPLE_CAPACITY);
  } catch (const std::bad_alloc&) {
    std::fputs("secondSampler: out of memory\n", stderr);
    return EXIT_FAILURE;
  }

  SampleSchedule schedule(std::time(nullptr), SAMPLE_PERIOD);
  for (;;) {
    // A busy poll: the loop reads the clock again at once, never sleeping, so it keeps a core
    // busy. The usual way to wait is to sleep until the next due time, with
    // clock_nanosleep(CLOCK_REALTIME, TIMER_ABSTIME, ...); this program polls, to show a schedule
    // kept from what a clock reads, whenever it is read.
    if (schedule.isDue(std::time(nullptr))) {
      // The printed time is a second reading of the clock, taken after the due test: if the
      // second rolled over in between, it shows a later second than the due test saw, and the
      // next line shows that second again.
      // The output is line-buffered (see main), so the newline sends the line and a failed write
      // shows in the second printf's result: a dead output ends the sampler.
      if (std::printf("Exec...") < 0 ||
          std::printf("%lld\n", static_cast<long long>(std::time(nullptr))) < 0) {
        return reportWriteError("secondSampler", errno);
      }
      // rand() is never seeded, so it draws as if seeded with 1, the same samples in every run:
      // glibc's first is 1804289383, stored as the float 1804289408 (floats from 2^30 to 2^31 are
      // 128 apart), as the page's experiment "Keep the newest samples" shows when it is added.
      store.add(static_cast<float>(std::rand()));
    }
  }
}

int main() {
  // The sampler runs until it is killed, unless a line cannot be written or its store cannot be
  // had: with output to a file or a pipe, block buffering would lose every line still buffered
  // when it is killed.
  std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
  return runSampler();
}
