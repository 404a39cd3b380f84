#include "arrayStats.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "ArrayStats.h"

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

int main() {
  // The sampler ends only when it is killed: with output to a file or a pipe, block buffering
  // would lose every line still buffered at that moment.
  std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
  std::puts("arrayStats begin...");

  ArrayStats store(SAMPLE_CAPACITY);
  SampleSchedule schedule(std::time(nullptr), SAMPLE_PERIOD);
  for (;;) {
    // A busy poll, by design: nothing sleeps between readings of the clock.
    if (schedule.isDue(std::time(nullptr))) {
      std::printf("Exec...");
      std::printf("%lld\n", static_cast<long long>(std::time(nullptr)));
      // Never seeded, so every run draws the same samples.
      store.add(static_cast<float>(std::rand()));  // NOLINT(cert-msc30-c,cert-msc50-cpp)
    }
  }
}
