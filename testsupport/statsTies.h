#pragma once

#include <bit>
#include <cstdint>
#include <limits>
#include <vector>

// The bit pattern of `value`: unlike ==, it tells -0.0 from 0.0 and finds a NaN equal to itself.
inline std::uint32_t floatBits(float value) {
  return std::bit_cast<std::uint32_t>(value);
}

// A series whose extremes hang on the statistics' strict comparisons, with the minimum and
// maximum that both implementations must give, bit for bit.
struct TieCase {
  std::vector<float> series;
  float min;
  float max;
};

// Equal samples leave the earlier one as the minimum; nothing at or below 0.0 replaces the
// maximum's +0.0 start; a NaN is the minimum only as the first sample and is otherwise passed
// over. Every step of these series is flat (equal, or with a NaN), so the largest rise and the
// largest fall stay at their +0.0 start too.
inline std::vector<TieCase> tieCases() {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  return {
      {.series = {0.0f, -0.0f}, .min = 0.0f, .max = 0.0f},
      {.series = {-0.0f, 0.0f}, .min = -0.0f, .max = 0.0f},
      {.series = {-0.0f, -0.0f}, .min = -0.0f, .max = 0.0f},
      {.series = {4.0f, nan, 2.0f}, .min = 2.0f, .max = 4.0f},
      {.series = {nan, 1.0f}, .min = nan, .max = 1.0f},
  };
}
