#pragma once

#include <array>
#include <bit>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "arrStats.h"

// A short series worked by hand, and the statistics that computeArrStats, its reducers and a store
// holding the series must all give for it.
struct WorkedSeries {
  const char* name;
  std::vector<float> series;
  arrStatResult stats;
};

inline std::vector<WorkedSeries> workedSeries() {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  // The statistics in field order: min, max, mean, incCount, decCount, incSeqCount, decSeqCount,
  // diff, incMaxDiff, decMaxDiff.
  return {
      {"OneSample", {2.5f}, {2.5f, 2.5f, 2.5f, 0, 0, 0, 0, 0.0f, 0.0f, 0.0f}},
      // The maximum starts at 0.0, so a series with no sample above it gives 0.0, a value the
      // series does not hold.
      {"NegativeSample", {-3}, {-3.0f, 0.0f, -3.0f, 0, 0, 0, 0, 0.0f, 0.0f, 0.0f}},
      {"MaxIsFlooredAtZero",
       {-5, -2, -9},
       {-9.0f, 0.0f, -16.0f / 3.0f, 1, 1, 1, 1, -4.0f, 3.0f, 7.0f}},
      // Each partial sum is rounded to single precision: 2^24 + 1 rounds back to 2^24 twice,
      // where a wider sum would reach 2^24 + 2 and a mean of 5592406.
      {"AvgSumsInSinglePrecision",
       {16777216, 1, 1},
       {1.0f, 16777216.0f, 5592405.5f, 0, 1, 0, 1, -16777215.0f, 0.0f, 16777215.0f}},
      // Steps separated only by a flat step are one run: 1, 2, 2, 3 rises twice in one run of 2,
      // and 3, 2, 2, 1 falls twice in one run of 2.
      {"FlatStepKeepsRisingRun", {1, 2, 2, 3}, {1.0f, 3.0f, 2.0f, 2, 0, 2, 0, 2.0f, 1.0f, 0.0f}},
      {"FlatStepKeepsFallingRun", {3, 2, 2, 1}, {1.0f, 3.0f, 2.0f, 0, 2, 0, 2, -2.0f, 0.0f, 1.0f}},
      // Steps 3 to 2, 2 to 4, 4 to 5 and 5 to 1: a fall ends the rising run of 2, and the
      // largest fall, 4.0, is reported as a positive amount.
      {"RisesAndFalls", {3, 2, 4, 5, 1}, {1.0f, 5.0f, 3.0f, 2, 2, 2, 1, -2.0f, 2.0f, 4.0f}},
      {"ConstantSeries", {4, 4, 4}, {4.0f, 4.0f, 4.0f, 0, 0, 0, 0, 0.0f, 0.0f, 0.0f}},
      // A comparison with a NaN is false, so a step with a NaN on either side is neither a rise
      // nor a fall: only 0 to 2 rises. The NaN reaches the mean.
      {"NanStepsAreFlat", {1, nan, 0, 2}, {0.0f, 2.0f, nan, 1, 0, 1, 0, 1.0f, 2.0f, 0.0f}},
      // Ties: which of two values that compare equal (or unordered) comes out shows only in its
      // bits. Equal samples leave the earlier one as the minimum; nothing at or below 0.0
      // replaces the +0.0 start of the maximum, the largest rise and the largest fall; a NaN is
      // the minimum only as the first sample and is otherwise passed over.
      {"TieKeepsFirstZero", {0.0f, -0.0f}, {0.0f, 0.0f, 0.0f, 0, 0, 0, 0, -0.0f, 0.0f, 0.0f}},
      {"TieKeepsFirstMinusZero", {-0.0f, 0.0f}, {-0.0f, 0.0f, 0.0f, 0, 0, 0, 0, 0.0f, 0.0f, 0.0f}},
      {"MaxStaysPlusZero", {-0.0f, -0.0f}, {-0.0f, 0.0f, 0.0f, 0, 0, 0, 0, 0.0f, 0.0f, 0.0f}},
      {"NanLaterIsPassedOver", {4, nan, 2}, {2.0f, 4.0f, nan, 0, 0, 0, 0, -2.0f, 0.0f, 0.0f}},
      {"NanFirstIsTheMinimum", {nan, 1}, {nan, 1.0f, nan, 0, 0, 0, 0, nan, 0.0f, 0.0f}},
  };
}

// `value` with nine significant digits, which tell any two floats apart, -0 from 0 included, and
// show a NaN's sign.
inline std::string floatText(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
  return text;
}

// The fields of `stats` in order, as text: comparing two texts compares every field, and a
// failure shows both records.
inline std::string statsText(const arrStatResult& stats) {
  return "min=" + floatText(stats.min) + " max=" + floatText(stats.max) +
         " mean=" + floatText(stats.mean) + " incCount=" + std::to_string(stats.incCount) +
         " decCount=" + std::to_string(stats.decCount) +
         " incSeqCount=" + std::to_string(stats.incSeqCount) +
         " decSeqCount=" + std::to_string(stats.decSeqCount) + " diff=" + floatText(stats.diff) +
         " incMaxDiff=" + floatText(stats.incMaxDiff) +
         " decMaxDiff=" + floatText(stats.decMaxDiff);
}

// Whether `clear` sets every byte of a Record to 0 when given one whose every byte is 0xff (each
// field -1 or a NaN). Byte for byte, so that an old value, a -0.0 or a NaN left behind shows.
template <typename Record, typename Clear>
bool clearsEveryByte(Clear clear) {
  Record record;
  std::memset(&record, 0xff, sizeof record);
  clear(&record);
  using Image = std::array<unsigned char, sizeof(Record)>;
  return std::bit_cast<Image>(record) == Image{};
}
