#include "ArrayStats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "statsAgree.h"
#include "statsCases.h"

namespace {

ArrayStats storeOf(int capacity, const std::vector<float>& samples) {
  ArrayStats store(capacity);
  for (const float sample : samples) {
    store.add(sample);
  }
  return store;
}

// What an empty store gives: 0.0 as its minimum and maximum, NaN as its mean, and statistics
// whose every byte is 0.
void expectEmpty(const ArrayStats& store) {
  EXPECT_EQ(store.min(), 0.0f);
  EXPECT_EQ(store.max(), 0.0f);
  EXPECT_TRUE(std::isnan(store.avg()));
  EXPECT_TRUE(clearsEveryByte<arrStat>([&](arrStat* out) { store.stats(out); }));
}

// A store without storage keeps nothing that is added to it.
TEST(ArrayStatsTest, EmptyStores) {
  ArrayStats none;
  ArrayStats zero(0);
  none.add(3.0f);
  zero.add(3.0f);
  expectEmpty(none);
  expectEmpty(zero);
  expectEmpty(ArrayStats(8));
}

TEST(ArrayStatsTest, NegativeCapacityThrows) {
  EXPECT_THROW(ArrayStats{-1}, std::bad_array_new_length);
  EXPECT_THROW(ArrayStats{std::numeric_limits<int>::min()}, std::bad_array_new_length);
}

// Where size_t has 32 bits, 2^30 slots take 2^33 bytes, which a size_t would wrap to 0: the
// storage must be refused, not made empty.
TEST(ArrayStatsTest, CapacityPastTheAddressSpaceThrows) {
  if constexpr (sizeof(std::size_t) > 4) {
    GTEST_SKIP() << "a 64-bit size_t holds these sizes, so the storage would be asked for";
  } else {
    EXPECT_THROW(ArrayStats{1 << 30}, std::bad_alloc);
    EXPECT_THROW(ArrayStats{std::numeric_limits<int>::max()}, std::bad_alloc);
  }
}

// Which samples a store holds, and in which order it reads them: its statistics, trend included,
// after the samples `added`.
TEST(ArrayStatsTest, KeepsTheNewestSamplesOldestFirst) {
  std::vector<float> upTo999(1000);
  std::iota(upTo999.begin(), upTo999.end(), 0.0f);
  struct Kept {
    const char* name;
    int capacity;
    std::vector<float> added;
    arrStatResult stats;  // in field order, as in statsCases.h
    float trend;
  };
  const std::vector<Kept> cases = {
      // The store is not yet full, so the slot just past its two samples is one that was zeroed
      // at construction: a scan that read one sample too far would make the minimum 0.0.
      {"NotYetFull", 4, {5, 7}, {5.0f, 7.0f, 6.0f, 1, 0, 1, 0, 2.0f, 2.0f, 0.0f}, 1.0f},
      // Samples 0 .. 999 into 256 slots leave 744 .. 999.
      {"Full", 256, upTo999, {744.0f, 999.0f, 871.5f, 255, 0, 255, 0, 255.0f, 1.0f, 0.0f}, 255.0f},
      // After the ring wraps, the step from the newest slot to the oldest is not a step of the
      // series: 1, 2, 3, 4, 0 into 3 slots leave 3, 4, 0.
      {"Wraps", 3, {1, 2, 3, 4, 0}, {0.0f, 4.0f, 7.0f / 3.0f, 1, 1, 1, 1, -3.0f, 1.0f, 4.0f}, 0.0f},
  };
  for (const Kept& kept : cases) {
    SCOPED_TRACE(kept.name);
    arrStat out;
    storeOf(kept.capacity, kept.added).stats(&out);
    const arrStatResult shared = {out.min,        out.max,         out.mean,        out.incCount,
                                  out.decCount,   out.incSeqCount, out.decSeqCount, out.diff,
                                  out.incMaxDiff, out.decMaxDiff};
    EXPECT_EQ(statsText(shared), statsText(kept.stats));
    EXPECT_EQ(floatText(out.trend), floatText(kept.trend));
  }
}

// The storage as ArrayStats.h draws it, capacity 3: after 1 and 2, the window starts at slot 3;
// after 1, 2, 3 and 4, nextSlot has come round to 1 and the window starts there.
TEST(ArrayStatsTest, RingIsAsDrawn) {
  struct Drawn {
    std::vector<float> added;
    std::vector<float> items;
    std::size_t nextSlot;
    std::int32_t count;
  };
  for (const Drawn& drawn : std::vector<Drawn>{{{1, 2}, {1, 2, 0, 1, 2, 0}, 2, 2},
                                               {{1, 2, 3, 4}, {4, 2, 3, 4, 2, 3}, 1, 3}}) {
    const ArrayStats store = storeOf(3, drawn.added);
    const ArrayStats::Ring ring = store.ring();
    EXPECT_EQ(std::vector<float>(ring.items.begin(), ring.items.end()), drawn.items);
    EXPECT_EQ(ring.nextSlot, drawn.nextSlot);
    EXPECT_EQ(ring.count, drawn.count);
  }
}

TEST(ArrayStatsTest, CopiesAreIndependent) {
  const ArrayStats original = storeOf(2, {1.0f, 2.0f});
  ArrayStats copy(original);
  copy.add(9.0f);
  EXPECT_EQ(original.max(), 2.0f);
  EXPECT_EQ(copy.min(), 2.0f);
  EXPECT_EQ(copy.max(), 9.0f);

  copy = original;
  EXPECT_EQ(copy.max(), 2.0f);
  const ArrayStats& itself = copy;
  copy = itself;
  EXPECT_EQ(copy.avg(), 1.5f);
}

// The samples go with the move; the store moved from, by construction or by assignment, is
// left as a default-constructed one: it holds nothing, keeps nothing added to it, copies as an
// empty store, and takes a new store by assignment.
TEST(ArrayStatsTest, MovedFromStoreIsLikeDefaultConstructed) {
  ArrayStats constructedFrom = storeOf(2, {1.0f, 2.0f});
  ArrayStats assignedFrom = storeOf(3, {3.0f, 4.0f, 5.0f});
  const ArrayStats constructed(std::move(constructedFrom));
  ArrayStats assigned = storeOf(1, {9.0f});
  assigned = std::move(assignedFrom);
  EXPECT_EQ(constructed.avg(), 1.5f);
  EXPECT_EQ(assigned.avg(), 4.0f);

  // NOLINTNEXTLINE(bugprone-use-after-move,clang-analyzer-cplusplus.Move)
  for (ArrayStats* movedFrom : {&constructedFrom, &assignedFrom}) {
    movedFrom->add(6.0f);
    expectEmpty(*movedFrom);
    expectEmpty(ArrayStats(*movedFrom));
    *movedFrom = storeOf(2, {7.0f, 8.0f});
    EXPECT_EQ(movedFrom->avg(), 7.5f);
  }
}

// The store's statistics must be computeArrStats' over the same samples, bit for bit, and a trend
// of the rising steps minus the others, for every worked series (the ties among them show only in
// their bits), in a store that is filled once and in one that has wrapped. The fuzz target
// statsAgree_fuzz requires the same of arbitrary series.
TEST(ArrayStatsStatsTest, AgreesWithComputeArrStats) {
  for (const int earlier : {0, 3}) {
    for (const WorkedSeries& worked : workedSeries()) {
      EXPECT_EQ(statsDisagreement(worked.series, earlier), "")
          << worked.name << ", after " << earlier << " earlier samples";
    }
  }
}

}  // namespace
