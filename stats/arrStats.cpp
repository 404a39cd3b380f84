#include "arrStats.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "closeOutput.h"

namespace {

// The reducers' loops take a 32-bit count: the public reducers' 8-bit count would cut a longer
// series short when computeArrStats summarises it.
float minOf(const float* values, std::int32_t count) {
  if (count < 1) {
    return 0.0f;
  }
  float result = values[0];
  for (std::int32_t i = 1; i < count; ++i) {
    if (result > values[i]) {
      result = values[i];
    }
  }
  return result;
}

float maxOf(const float* values, std::int32_t count) {
  float result = 0.0f;
  for (std::int32_t i = 0; i < count; ++i) {
    if (values[i] > result) {
      result = values[i];
    }
  }
  return result;
}

float avgOf(const float* values, std::int32_t count) {
  float sum = 0.0f;
  for (std::int32_t i = 0; i < count; ++i) {
    sum += values[i];
  }
  return sum / static_cast<float>(count);
}

// The built-in series; each literal is stored as its nearest single-precision value.
constexpr float arr[] = {
    101385.71f, 101390.1f,  101388.3f,  101387.21f, 101388.4f, 101392.8f,
    101394.8f,  101389.6f,  101391.71f, 101389.0f,  101389.1f, 101341.4f,
    101344.3f,  101350.71f, 101348.71f, 101357.8f,  101370.3f, 101374.21f,
};

}  // namespace

float computeMin(const float* values, std::uint8_t count) {
  return minOf(values, count);
}

float computeMax(const float* values, std::uint8_t count) {
  return maxOf(values, count);
}

float computeAvg(const float* values, std::uint8_t count) {
  return avgOf(values, count);
}

void computeArrStats(const float* values, std::int32_t count, arrStatResult* out) {
  // The record is built in a local and stored once: stores through `out` could alias the
  // samples and would force every sample to be read again.
  arrStatResult result = {};
  if (count < 1) {
    *out = result;
    return;
  }
  result.min = minOf(values, count);
  result.max = maxOf(values, count);
  result.mean = avgOf(values, count);
  result.diff = values[count - 1] - values[0];

  std::int32_t incRun = 0;
  std::int32_t decRun = 0;
  for (std::int32_t i = 1; i < count; ++i) {
    const float cur = values[i];
    const float prev = values[i - 1];
    // A step is a rise, a fall, or neither (flat, or a NaN on either side). The updates are
    // selects rather than branches: on a noisy series the direction is a coin toss, and a
    // mispredicted branch per step would cost more than all the arithmetic.
    const bool rise = cur > prev;
    const bool fall = prev > cur;
    result.incCount += rise;
    result.decCount += fall;
    // A fall ends the rising run and a rise extends it; a flat step leaves it as it is.
    incRun = fall ? 0 : incRun + rise;
    decRun = rise ? 0 : decRun + fall;
    result.incSeqCount = std::max(result.incSeqCount, incRun);
    result.decSeqCount = std::max(result.decSeqCount, decRun);
    // Only a rise has cur - prev above 0.0, where the largest rise starts (and only a fall has
    // prev - cur above it), so these need no test of the direction.
    if (cur - prev > result.incMaxDiff) {
      result.incMaxDiff = cur - prev;
    }
    if (prev - cur > result.decMaxDiff) {
      result.decMaxDiff = prev - cur;
    }
  }
  *out = result;
}

void printSeriesReport(const float* values, std::int32_t count, const arrStatResult& stats) {
  for (std::int32_t i = 0; i < count; ++i) {
    std::printf("%d \t %f \n", i, static_cast<double>(values[i]));
  }
  std::printf("Min: %f \n", static_cast<double>(stats.min));
  std::printf("Max: %f \n", static_cast<double>(stats.max));
  std::printf("Mean: %f \n", static_cast<double>(stats.mean));
  std::printf("Inc Count: %d \n", stats.incCount);
  std::printf("Dec Count: %d \n", stats.decCount);
  std::printf("Inc Seq Count: %d \n", stats.incSeqCount);
  std::printf("Dec Seq Count: %d \n", stats.decSeqCount);
  std::printf("Diff: %f \n", static_cast<double>(stats.diff));
  std::printf("Inc Max Diff: %f \n", static_cast<double>(stats.incMaxDiff));
  std::printf("Dec Max Diff: %f \n", static_cast<double>(stats.decMaxDiff));
}

int main() {
  constexpr auto count = static_cast<std::int32_t>(std::size(arr));
  arrStatResult result;
  computeArrStats(arr, count, &result);
  printSeriesReport(arr, count, result);
  return closeOutput(stdout, "seriesReport");
}
