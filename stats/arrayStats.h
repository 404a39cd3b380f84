#pragma once

// secondSampler's unit: once a second by the wall clock it prints a line and adds a rand()
// sample to an ArrayStats store.
// Not to be confused with arrStats (seriesReport) or ArrayStats (secondSampler's store).

#include <cstdint>

// Samples the store keeps: the newest 256, about four minutes of samples.
constexpr std::int32_t SAMPLE_CAPACITY = 256;

// Seconds between samples.
constexpr std::int32_t SAMPLE_PERIOD = 1;

// Decides from successive readings of a whole-second clock when a sample is due, keeping the
// samples on a grid of whole periods that starts at the first reading, and again at a reading
// before the due mark (the clock was stepped back).
class SampleSchedule {
 public:
  // Starts the grid at the clock reading `start`; the first sample is due `periodSeconds` (> 0)
  // later.
  SampleSchedule(std::int64_t start, std::int64_t periodSeconds);

  // Returns whether a sample is due at the clock reading `now`. It is due once `now` is a period
  // or more past the due mark, which then moves to the latest grid point not after `now`: a gap
  // of many periods gives one sample, not a burst. A reading before the due mark (the clock was
  // stepped back) is not due and moves the due mark back to it, so sampling resumes a period on.
  bool isDue(std::int64_t now);

  // The earliest reading at which a sample is due, as the readings so far leave the schedule.
  [[nodiscard]] std::int64_t nextDue() const;

 private:
  // The grid point of the latest sample, or before the first the start reading (or a reading
  // that stepped the clock back): the next sample is due a period after it.
  std::int64_t dueMark;
  std::int64_t period;
};

// The sampler: prints the start line, makes its store of SAMPLE_CAPACITY samples, then polls
// the wall clock without end and, each time a sample is due, prints the marker and the time and
// adds a rand() sample to the store. It returns only on failure, with EXIT_FAILURE after one line
// on standard error: when a line cannot be written, or when memory for the store is exhausted.
int runSampler();
