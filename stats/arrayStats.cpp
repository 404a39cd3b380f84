#include "arrayStats.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>

#include "closeOutput.h"

SampleSchedule::SampleSchedule(std::int64_t start, std::int64_t periodSeconds)
    : dueMark(start), period(periodSeconds) {}

bool SampleSchedule::isDue(std::int64_t now) {
  if (now < dueMark) {
    dueMark = now;
    return false;
  }
  const std::int64_t elapsed = now - dueMark;
  if (elapsed < period) {
    return false;
  }
  dueMark += elapsed - elapsed % period;
  return true;
}

int runSampler(StoreFactory makeStore) {
  if (std::puts("arrayStats begin...") == EOF) {
    return reportWriteError("secondSampler", errno);
  }
  ArrayStats store;
  try {
    store = makeStore();
  } catch (const std::bad_alloc&) {
    std::fputs("secondSampler: out of memory\n", stderr);
    return EXIT_FAILURE;
  }

  SampleSchedule schedule(std::time(nullptr), SAMPLE_PERIOD);
  for (;;) {
    // A busy poll, by design: nothing sleeps between readings of the clock.
    if (schedule.isDue(std::time(nullptr))) {
      // The output is line-buffered, so the newline sends the line and a failed write shows in
      // the second printf's result: a dead output ends the sampler instead of being polled on.
      if (std::printf("Exec...") < 0 ||
          std::printf("%lld\n", static_cast<long long>(std::time(nullptr))) < 0) {
        return reportWriteError("secondSampler", errno);
      }
      // Never seeded, so every run draws the same samples.
      store.add(static_cast<float>(std::rand()));  // NOLINT(cert-msc30-c,cert-msc50-cpp)
    }
  }
}

int main() {
  // The sampler ends only when it is killed: with output to a file or a pipe, block buffering
  // would lose every line still buffered at that moment.
  std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
  return runSampler([] { return ArrayStats(SAMPLE_CAPACITY); });
}
