#pragma once

// ArrayStats, the sample store of secondSampler: it keeps the newest samples, up to a capacity
// fixed at construction, and computes over them the same statistics as arrStats.h, plus a trend.
// secondSampler never asks for the statistics; its tests and the lesson pages do.
// Not to be confused with arrStats (seriesReport) or arrayStats (secondSampler's main).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

// Statistics of the samples an ArrayStats holds, oldest first. A step is the pair of neighbouring
// samples; counts and runs are in steps.
struct arrStat {
  float min;                 // smallest sample
  float max;                 // largest sample, but never below 0.0
  float mean;                // arithmetic mean, summed in single precision
  std::int32_t incCount;     // rising steps
  std::int32_t decCount;     // falling steps
  std::int32_t incSeqCount;  // longest run of rising steps; a flat step does not break a run
  std::int32_t decSeqCount;  // longest run of falling steps; a flat step does not break a run
  float diff;                // newest sample minus oldest
  float trend;               // +1.0 per step with cur - prev above 0.0, -1.0 per other step
  float incMaxDiff;          // largest single rise, 0.0 when nothing rises
  float decMaxDiff;          // largest single fall as a positive amount, 0.0 when nothing falls
};

// A store of the newest single-precision samples, up to a capacity fixed at construction, and
// their statistics. Once full, each new sample replaces the oldest one.
class ArrayStats {
 public:
  // A store with no storage: capacity 0, so `add` keeps nothing and the store stays empty.
  ArrayStats();

  // An empty store with a capacity of `slots` samples, which take 2 * slots * sizeof(float)
  // bytes. A negative count throws std::bad_array_new_length before any storage is obtained;
  // storage that cannot be had throws std::bad_alloc or an exception derived from it.
  explicit ArrayStats(int slots);

  // A copy holds its own storage with the same samples. A moved-from store is left exactly as a
  // default-constructed one: no storage, nothing held.
  ArrayStats(const ArrayStats& other);
  ArrayStats(ArrayStats&& other) noexcept;
  ArrayStats& operator=(ArrayStats other) noexcept;
  ~ArrayStats() = default;

  // Keeps `sample` as the newest; a full store drops its oldest sample to make room.
  void add(float sample);

  // The smallest sample held (a NaN as the oldest wins, elsewhere it is passed over); 0.0 when
  // the store is empty.
  [[nodiscard]] float min() const;

  // The largest sample held, floored at 0.0: 0.0 when no sample is above 0.0 or none is held.
  [[nodiscard]] float max() const;

  // The mean of the samples held, added oldest first in single precision; NaN when empty, from
  // 0.0 / 0.0, as computeAvg's is.
  [[nodiscard]] float avg() const;

  // Fills *out with the statistics of the samples held, oldest first. An empty store reads
  // nothing and sets every field of *out to 0.
  void stats(arrStat* out) const;

  // The storage as it stands, drawn below: every slot of both copies, 0.0 where no sample has
  // been written, the slot the next sample goes to, and how many samples are held.
  struct Ring {
    std::span<const float> items;
    std::size_t nextSlot;
    std::int32_t count;
  };
  [[nodiscard]] Ring ring() const;

 private:
  // The samples held, oldest first: `count` of them side by side.
  [[nodiscard]] const float* window() const;

  // Exchanges every field with `other`'s.
  void swap(ArrayStats& other) noexcept;

  // The storage is a ring of `capacity` slots, kept twice over. A plain ring, once it wraps,
  // holds its samples in two pieces, the older from nextSlot to the end and the newer from the
  // start up to nextSlot, and every loop over them would have to wrap its index. So each sample is
  // written to items[slot] and to its twin items[slot + capacity], and the samples held always lie
  // in one unbroken run that ends just before items[nextSlot + capacity]. Capacity 3, after adding
  // 1, 2, 3 and 4 (the 1 is dropped, and nextSlot has come round to 1):
  //
  //     index   0  1  2  3  4  5
  //     items   4  2  3  4  2  3
  //     window     2  3  4          from nextSlot + capacity - count = 1 + 3 - 3 = 1
  //
  // Before the ring first fills, the window lies in the upper half: after 1 and 2 it starts at
  // 2 + 3 - 2 = 3. The storage is zeroed at construction, so no slot ever holds an
  // indeterminate value. Try it in the page's experiment "Keep the newest samples": any capacity
  // up to 16 and any samples, and the storage that they leave.
  std::size_t nextSlot = 0;  // where the next sample goes, 0 .. capacity-1
  std::int32_t count = 0;    // samples held: grows with add up to the capacity
  std::unique_ptr<float[]> items;
  std::size_t capacity = 0;
};
