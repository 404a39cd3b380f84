// seriesReport: level and step statistics of a built-in series of 18 samples near 10^5, kept in
// single precision. The lesson is what a float does to such numbers: each sample, and the mean
// too, is held to the nearest 1/128, so most printed values are not the decimals written in the
// source (101389.0f is the one exact sample), and a sum kept in a float is rounded again to the
// floats' spacing after every addition (which this series' mean does not show: see avgOf).

#include "arrStats.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "closeOutput.h"

namespace {

// The reducers' loops take a 32-bit count: the public reducers' 8-bit count would wrap a longer
// series' count (300 becomes 44) when computeArrStats summarises it.

// The minimum is seeded from the first sample, so it is always one of the samples.
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

// The maximum starts at 0.0 instead, as its contract says, and so shows the classic pitfall: a
// start value that is not a sample wins when no sample beats it, so -5, -2, -9 gives 0.0, a value
// the series does not contain. The built-in series lies far above 0.0, so its maximum is its
// largest sample either way.
float maxOf(const float* values, std::int32_t count) {
  float result = 0.0f;
  for (std::int32_t i = 0; i < count; ++i) {
    if (values[i] > result) {
      result = values[i];
    }
  }
  return result;
}

// The sum is a float, so every addition rounds to the floats' spacing at the sum's size, which
// doubles at each power of two it passes. A sum is exact only where it lands on that spacing: the
// first two samples make 202775.8125, past 2^17 where floats are 1/64 apart, exact because 91/128 +
// 13/128 = 104/128 is a multiple of 1/64; the third sum, 304164.109375, past 2^18 where they are
// 1/32 apart, lies half-way between 304164.09375 and 304164.125 and rounds to the one whose last
// significand bit is 0, 304164.125 (a tie goes to the even significand); from the 11th, past 2^20,
// they are 1/8 apart. The sum ends at 1824774.125, not the exact 1824774.1484375, an error too
// small, divided by 18, to reach another float: the mean prints as 101376.343750 either way, the
// exact mean of the stored samples (101376.341580, to six decimals) held to the nearest 1/128. Try
// it in the page's experiment "Report a series": make the first sample 16777216 (2^24, where floats
// are 2 apart) and the other 17 samples 1, and each 1 added rounds back to 16777216, so the mean is
// 932067.5625, not the exact 932068.5 (32-bit x86 may keep the sum wider, as the NOTES of
// seriesReport(1) say).
float avgOf(const float* values, std::int32_t count) {
  float sum = 0.0f;
  for (std::int32_t i = 0; i < count; ++i) {
    sum += values[i];
  }
  return sum / static_cast<float>(count);
}

// The built-in series. A float keeps 24 significant bits, so from 2^16 (65536) to 2^17 floats
// are 2^16 / 2^23 = 1/128 apart, and each literal is stored as the nearest multiple of 1/128.
// By hand: multiply the fraction by 128 and round. 101388.3f: .3 * 128 = 38.4, so 38/128, and
// it is stored as 101388.296875; 101385.71f: .71 * 128 = 90.88, so 91/128, 101385.7109375.
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
    // A comparison with a NaN is false, so a step with a NaN on either side is neither a rise
    // nor a fall: it counts as flat.
    const bool rise = cur > prev;
    const bool fall = prev > cur;
    // A bool adds as 1 or 0; no step both rises and falls, so it adds to at most one count.
    result.incCount += rise;
    result.decCount += fall;
    // A fall ends the rising run and a rise extends it; a flat step leaves it as it is, so
    // rises separated only by flat steps are one run (1, 2, 2, 3 has a rising run of 2). The
    // built-in series has no flat step: its 17 steps are 11 rises and 6 falls.
    incRun = fall ? 0 : incRun + rise;
    decRun = rise ? 0 : decRun + fall;
    result.incSeqCount = std::max(result.incSeqCount, incRun);
    result.decSeqCount = std::max(result.decSeqCount, decRun);
    // The largest rise starts at 0.0, and only a rise has cur - prev above 0.0 (only a fall has
    // prev - cur above it), so these need no test of the direction. The differences are of the
    // stored values: the largest fall, 101389.1015625 - 101341.3984375, is 47.703125 exactly,
    // where the printed decimals would give 47.703124.
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
  // A float given to printf arrives as a double: as one of printf's variable arguments it is
  // promoted (the casts say so, as -Wdouble-promotion asks). The promotion is exact, and %f then
  // rounds to six decimals. An odd multiple of 1/128 has seven decimals ending in 5 (1/128 is
  // 0.0078125), so 11 of the 18 samples meet an exact tie between two sixth decimals, which
  // printf breaks towards the even one: 101385.7109375 prints as 101385.710938 and 101390.1015625
  // as 101390.101562.
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
