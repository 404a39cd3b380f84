// ArrayStats: a store of the newest samples whose statistics follow computeArrStats' rules, kept
// as a ring written twice over so that the samples held always lie side by side (drawn in
// ArrayStats.h).

#include "ArrayStats.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

// Zeroed storage for `slots` samples kept twice over. A negative count throws
// std::bad_array_new_length, as the array form of new does, but is tested here so that no
// signed count is converted.
float* newStorage(int slots) {
  if (slots < 0) {
    throw std::bad_array_new_length();
  }
  return new float[2 * static_cast<std::size_t>(slots)]();
}

// What a step adds to the trend, indexed by whether it rises (a bool indexes as 0 or 1): +1.0
// for a rise, -1.0 for any other step. Like the scan's other updates, it takes no branch on the
// step's direction.
constexpr float TREND_VOTE[] = {-1.0f, 1.0f};

}  // namespace

ArrayStats::ArrayStats() = default;

ArrayStats::ArrayStats(int slots)
    : items(newStorage(slots)), capacity(static_cast<std::size_t>(slots)) {}

ArrayStats::ArrayStats(const ArrayStats& other)
    : items(new float[2 * other.capacity]()), capacity(other.capacity) {
  const float* samples = other.window();
  for (std::int32_t i = 0; i < other.count; ++i) {
    add(samples[i]);
  }
}

// The fields start as a default-constructed store's, and the exchange leaves them so in `other`.
ArrayStats::ArrayStats(ArrayStats&& other) noexcept {
  swap(other);
}

ArrayStats& ArrayStats::operator=(ArrayStats other) noexcept {
  swap(other);
  return *this;
}

void ArrayStats::swap(ArrayStats& other) noexcept {
  std::swap(nextSlot, other.nextSlot);
  std::swap(count, other.count);
  std::swap(items, other.items);
  std::swap(capacity, other.capacity);
}

void ArrayStats::add(float sample) {
  if (capacity == 0) {
    return;
  }
  items[nextSlot] = sample;
  items[nextSlot + capacity] = sample;  // its twin, which keeps the window unbroken
  nextSlot = nextSlot + 1 == capacity ? 0 : nextSlot + 1;
  if (static_cast<std::size_t>(count) < capacity) {
    ++count;
  }
}

ArrayStats::Ring ArrayStats::ring() const {
  return {.items = {items.get(), 2 * capacity}, .nextSlot = nextSlot, .count = count};
}

const float* ArrayStats::window() const {
  return items.get() + nextSlot + capacity - static_cast<std::size_t>(count);
}

float ArrayStats::min() const {
  const float* samples = window();
  if (count < 1) {
    return 0.0f;
  }
  float result = samples[0];
  for (std::int32_t i = 1; i < count; ++i) {
    if (result > samples[i]) {
      result = samples[i];
    }
  }
  return result;
}

float ArrayStats::max() const {
  const float* samples = window();
  float result = 0.0f;
  for (std::int32_t i = 0; i < count; ++i) {
    if (samples[i] > result) {
      result = samples[i];
    }
  }
  return result;
}

float ArrayStats::avg() const {
  const float* samples = window();
  float sum = 0.0f;
  for (std::int32_t i = 0; i < count; ++i) {
    sum += samples[i];
  }
  return sum / static_cast<float>(count);
}

void ArrayStats::stats(arrStat* out) const {
  arrStat result = {};
  if (count < 1) {
    *out = result;
    return;
  }
  const float* samples = window();
  result.min = min();
  result.max = max();
  result.mean = avg();
  result.diff = samples[count - 1] - samples[0];

  std::int32_t incRun = 0;
  std::int32_t decRun = 0;
  for (std::int32_t i = 1; i < count; ++i) {
    const float cur = samples[i];
    const float prev = samples[i - 1];
    // A step is a rise, a fall, or neither (flat, or a NaN on either side), as in
    // computeArrStats, whose scan this one repeats with the trend added.
    const bool rise = cur > prev;
    const bool fall = prev > cur;
    // The trend's rule is +1.0 when the difference cur - prev is above 0.0, else -1.0. With
    // IEEE-754 floats, whose subnormals keep the difference of two unequal values from rounding
    // to 0.0, cur - prev is above 0.0 exactly when cur > prev, so `rise` picks the vote.
    result.trend += TREND_VOTE[rise];
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
