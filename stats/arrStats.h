#pragma once

// Level and movement statistics of a caller's series of single-precision samples, the computing
// core of seriesReport.
// Not to be confused with ArrayStats (secondSampler's store) or arrayStats (secondSampler's main).

#include <cstdint>

// The statistics of a series. A step is the pair of neighbouring samples (values[i-1],
// values[i]): it rises when values[i] is greater, falls when it is smaller, and is flat
// otherwise. Counts and runs are in steps, not samples.
struct arrStatResult {
  float min;                 // smallest sample
  float max;                 // largest sample, but never below 0.0
  float mean;                // arithmetic mean, summed in single precision
  std::int32_t incCount;     // rising steps
  std::int32_t decCount;     // falling steps
  std::int32_t incSeqCount;  // longest run of rising steps; a flat step does not break a run
  std::int32_t decSeqCount;  // longest run of falling steps; a flat step does not break a run
  float diff;                // last sample minus first
  float incMaxDiff;          // largest single rise, 0.0 when nothing rises
  float decMaxDiff;          // largest single fall as a positive amount, 0.0 when nothing falls
};

// The three reducers take an 8-bit count, so a series of at most 255 samples: an int count outside
// 0 to 255 reaches them cut to its low 8 bits (300 becomes 44, and -1 becomes 255).

// Returns the smallest of the first `count` samples (a NaN at index 0 wins, elsewhere it is
// passed over). An empty series yields 0.0.
float computeMin(const float* values, std::uint8_t count);

// Returns the largest of the first `count` samples, floored at 0.0: the result starts at 0.0,
// not at values[0], so a series with no sample above 0.0, or no sample at all, yields 0.0
// (-5, -2, -9 yields 0.0, not -2.0).
float computeMax(const float* values, std::uint8_t count);

// Returns the mean of the first `count` samples, added in index order with every sum rounded to
// single precision (arrStats.cpp shows what that does). An empty series yields NaN: the language
// leaves 0.0 / 0.0 undefined, and IEEE-754 arithmetic, which g++ and clang follow for float, makes
// it a NaN (whose sign the processor picks: printf shows -nan on x86).
float computeAvg(const float* values, std::uint8_t count);

// Fills *out with the statistics of the first `count` samples; every field covers the whole
// series, counts above 255 included. A step with a NaN on either side is flat. With a count of 0
// or below nothing is read and every field of *out is 0.
void computeArrStats(const float* values, std::int32_t count, arrStatResult* out);

// Prints the first `count` samples, one "index \t value \n" line each, followed by the ten
// summary lines of `stats`, one per field in field order.
void printSeriesReport(const float* values, std::int32_t count, const arrStatResult& stats);
