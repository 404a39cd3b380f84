#pragma once

#include <charconv>
#include <limits>
#include <string>
#include <vector>

#include "arrStats.h"

// A short series worked by hand: the statistics that computeArrStats and a store holding the
// series must both give for it, and the trend that only the store keeps (+1.0 per rising step,
// -1.0 per other step).
struct WorkedSeries {
  const char* name;
  std::vector<float> series;
  arrStatResult stats;
  float trend;
};

inline std::vector<WorkedSeries> workedSeries() {
  return {
      // Rises separated only by a flat step are one run: 1, 2, 2, 3 rises twice in one run of 2.
      {.name = "FlatStepKeepsRun",
       .series = {1.0f, 2.0f, 2.0f, 3.0f},
       .stats = {.min = 1.0f,
                 .max = 3.0f,
                 .mean = 2.0f,
                 .incCount = 2,
                 .decCount = 0,
                 .incSeqCount = 2,
                 .decSeqCount = 0,
                 .diff = 2.0f,
                 .incMaxDiff = 1.0f,
                 .decMaxDiff = 0.0f},
       .trend = 1.0f},
      // Steps 3 to 2, 2 to 4, 4 to 5 and 5 to 1: a fall ends the rising run of 2, and the
      // largest fall, 4.0, is reported as a positive amount.
      {.name = "RisesAndFalls",
       .series = {3.0f, 2.0f, 4.0f, 5.0f, 1.0f},
       .stats = {.min = 1.0f,
                 .max = 5.0f,
                 .mean = 3.0f,
                 .incCount = 2,
                 .decCount = 2,
                 .incSeqCount = 2,
                 .decSeqCount = 1,
                 .diff = -2.0f,
                 .incMaxDiff = 2.0f,
                 .decMaxDiff = 4.0f},
       .trend = 0.0f},
      // Every step is flat: no counts, no runs, and each flat step takes 1.0 from the trend.
      {.name = "ConstantSeries",
       .series = {4.0f, 4.0f, 4.0f},
       .stats = {.min = 4.0f,
                 .max = 4.0f,
                 .mean = 4.0f,
                 .incCount = 0,
                 .decCount = 0,
                 .incSeqCount = 0,
                 .decSeqCount = 0,
                 .diff = 0.0f,
                 .incMaxDiff = 0.0f,
                 .decMaxDiff = 0.0f},
       .trend = -2.0f},
      // A comparison with a NaN is false, so a step with a NaN on either side is neither a rise
      // nor a fall: only 0 to 2 rises. The NaN reaches the mean, and the minimum only from the
      // first sample.
      {.name = "NanStepsAreFlat",
       .series = {1.0f, std::numeric_limits<float>::quiet_NaN(), 0.0f, 2.0f},
       .stats = {.min = 0.0f,
                 .max = 2.0f,
                 .mean = std::numeric_limits<float>::quiet_NaN(),
                 .incCount = 1,
                 .decCount = 0,
                 .incSeqCount = 1,
                 .decSeqCount = 0,
                 .diff = 1.0f,
                 .incMaxDiff = 2.0f,
                 .decMaxDiff = 0.0f},
       .trend = -1.0f},
  };
}

// The fields of `stats` in order, each as "name=value ", a float as the shortest decimal that
// reads back as it (-0.0 shows as -0): comparing two texts compares every field, and a failure
// shows both records.
inline std::string statsText(const arrStatResult& stats) {
  std::string text;
  const auto add = [&text](const char* name, auto value) {
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    text += name;
    text += '=';
    text.append(digits, written.ptr);
    text += ' ';
  };
  add("min", stats.min);
  add("max", stats.max);
  add("mean", stats.mean);
  add("incCount", stats.incCount);
  add("decCount", stats.decCount);
  add("incSeqCount", stats.incSeqCount);
  add("decSeqCount", stats.decSeqCount);
  add("diff", stats.diff);
  add("incMaxDiff", stats.incMaxDiff);
  add("decMaxDiff", stats.decMaxDiff);
  return text;
}
