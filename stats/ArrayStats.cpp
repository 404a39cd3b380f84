#include "ArrayStats.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

// Uninitialised storage for `slots` samples. A negative count throws std::bad_array_new_length,
// as the array form of new does, but is tested here so that no signed count is converted.
float* newStorage(int slots) {
  if (slots < 0) {
    throw std::bad_array_new_length();
  }
  return new float[static_cast<std::size_t>(slots)];
}

}  // namespace

ArrayStats::ArrayStats() = default;

ArrayStats::ArrayStats(int slots)
    : items(newStorage(slots)), capacity(static_cast<std::size_t>(slots)) {}

ArrayStats::ArrayStats(const ArrayStats& other)
    : nextSlot(other.nextSlot),
      count(other.count),
      items(new float[other.capacity]),
      capacity(other.capacity) {
  // Slots 0 .. count-1 are the ones ever written, whether or not the ring has wrapped.
  std::copy(other.items.get(), other.items.get() + other.count, items.get());
}

ArrayStats::ArrayStats(ArrayStats&& other) noexcept
    : nextSlot(std::exchange(other.nextSlot, 0)),
      count(std::exchange(other.count, 0)),
      items(std::move(other.items)),
      capacity(std::exchange(other.capacity, 0)) {}

ArrayStats& ArrayStats::operator=(ArrayStats other) noexcept {
  std::swap(nextSlot, other.nextSlot);
  std::swap(count, other.count);
  std::swap(items, other.items);
  std::swap(capacity, other.capacity);
  return *this;
}

void ArrayStats::add(float sample) {
  if (capacity == 0) {
    return;
  }
  items[nextSlot] = sample;
  nextSlot = nextSlot + 1 == capacity ? 0 : nextSlot + 1;
  if (static_cast<std::size_t>(count) < capacity) {
    ++count;
  }
}

float ArrayStats::at(std::int32_t i) const {
  const bool full = static_cast<std::size_t>(count) == capacity;
  std::size_t slot = (full ? nextSlot : 0) + static_cast<std::size_t>(i);
  if (slot >= capacity) {
    slot -= capacity;
  }
  return items[slot];
}

float ArrayStats::min() const {
  float result = 0.0f;
  for (std::int32_t i = 0; i < count; ++i) {
    if (i == 0 || result > at(i)) {
      result = at(i);
    }
  }
  return result;
}

float ArrayStats::max() const {
  float result = 0.0f;
  for (std::int32_t i = 0; i < count; ++i) {
    if (at(i) > result) {
      result = at(i);
    }
  }
  return result;
}

float ArrayStats::avg() const {
  float sum = 0.0f;
  for (std::int32_t i = 0; i < count; ++i) {
    sum += at(i);
  }
  return sum / static_cast<float>(count);
}

void ArrayStats::stats(arrStat* out) const {
  *out = arrStat{};
  if (count < 1) {
    return;
  }
  out->min = min();
  out->max = max();
  out->mean = avg();
  out->diff = at(count - 1) - at(0);

  std::int32_t incCount = 0;
  std::int32_t decCount = 0;
  std::int32_t incRun = 0;
  std::int32_t decRun = 0;
  for (std::int32_t i = 1; i < count; ++i) {
    const float cur = at(i);
    const float prev = at(i - 1);
    // The trend asks about the difference, so a NaN or a flat step counts against it.
    out->trend += cur - prev > 0.0f ? 1.0f : -1.0f;
    if (cur > prev) {
      ++incCount;
      ++incRun;
      if (incRun > out->incSeqCount) {
        out->incSeqCount = incRun;
      }
      decRun = 0;
      if (cur - prev > out->incMaxDiff) {
        out->incMaxDiff = cur - prev;
      }
    } else if (prev > cur) {
      ++decCount;
      ++decRun;
      if (decRun > out->decSeqCount) {
        out->decSeqCount = decRun;
      }
      incRun = 0;
      if (prev - cur > out->decMaxDiff) {
        out->decMaxDiff = prev - cur;
      }
    }
    // A flat step, or one with a NaN on either side, breaks neither run.
  }
  out->incCount = incCount;
  out->decCount = decCount;
}
