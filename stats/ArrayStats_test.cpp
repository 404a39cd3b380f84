#include "ArrayStats.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <new>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

#include "statsAgree.h"
#include "statsTies.h"
#include "statsWorked.h"

namespace {

ArrayStats storeOf(int capacity, const std::vector<float>& samples) {
  ArrayStats store(capacity);
  for (const float sample : samples) {
    store.add(sample);
  }
  return store;
}

arrStat statsOf(const ArrayStats& store) {
  arrStat out;
  store.stats(&out);
  return out;
}

void expectEmpty(const ArrayStats& store) {
  EXPECT_EQ(store.min(), 0.0f);
  EXPECT_EQ(store.max(), 0.0f);
  EXPECT_TRUE(std::isnan(store.avg()));
  arrStat out = {.min = 1.0f,
                 .max = 2.0f,
                 .mean = 3.0f,
                 .incCount = 4,
                 .decCount = 5,
                 .incSeqCount = 6,
                 .decSeqCount = 7,
                 .diff = 8.0f,
                 .trend = 9.0f,
                 .incMaxDiff = 10.0f,
                 .decMaxDiff = 11.0f};
  store.stats(&out);
  // Byte for byte, so that a -0.0 or a NaN left behind would show.
  using Image = std::array<unsigned char, sizeof(arrStat)>;
  EXPECT_EQ(std::bit_cast<Image>(out), Image{});
}

// The store is not yet full, so the slot just past its two samples is one that was zeroed at
// construction: a scan that read one sample too far would make the minimum 0.0.
TEST(ArrayStatsTest, AddKeepsSamplesInOrder) {
  const ArrayStats store = storeOf(4, {5.0f, 7.0f});
  EXPECT_EQ(store.min(), 5.0f);
  EXPECT_EQ(store.max(), 7.0f);
  EXPECT_EQ(store.avg(), 6.0f);
  const arrStat out = statsOf(store);
  EXPECT_EQ(out.diff, 2.0f);
  EXPECT_EQ(out.incCount, 1);
  EXPECT_EQ(out.trend, 1.0f);
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

// The trend is the store's own: +1.0 per rise, -1.0 per fall or flat step, worked by hand for
// the series of statsWorked.h. Its other fields are computeArrStats', whose test works them,
// and AgreesWithComputeArrStats below requires the same.
TEST(ArrayStatsStatsTest, WorkedSeriesTrend) {
  for (const WorkedSeries& worked : workedSeries()) {
    SCOPED_TRACE(worked.name);
    const arrStat out = statsOf(storeOf(static_cast<int>(worked.series.size()), worked.series));
    EXPECT_EQ(out.trend, worked.trend);
  }
}

// Samples 0 .. 999 into 256 slots leave 744 .. 999, read oldest first.
TEST(ArrayStatsTest, FullStoreKeepsNewestSamples) {
  ArrayStats store(256);
  for (int i = 0; i < 1000; ++i) {
    store.add(static_cast<float>(i));
  }
  const arrStat out = statsOf(store);
  EXPECT_EQ(out.min, 744.0f);
  EXPECT_EQ(out.mean, 871.5f);
  EXPECT_EQ(out.diff, 255.0f);
  EXPECT_EQ(out.incSeqCount, 255);
  EXPECT_EQ(out.trend, 255.0f);
}

// After the ring wraps, the step from the newest slot to the oldest is not a step of the series.
TEST(ArrayStatsTest, WrappedStoreReadsOldestFirst) {
  const arrStat out = statsOf(storeOf(3, {1.0f, 2.0f, 3.0f, 4.0f, 0.0f}));
  EXPECT_EQ(out.min, 0.0f);
  EXPECT_EQ(out.diff, -3.0f);
  EXPECT_EQ(out.incCount, 1);
  EXPECT_EQ(out.decCount, 1);
  EXPECT_EQ(out.incMaxDiff, 1.0f);
  EXPECT_EQ(out.decMaxDiff, 4.0f);
}

// The storage as ArrayStats.h draws it, capacity 3: after 1 and 2, the window starts at slot 3;
// after 1, 2, 3 and 4, nextSlot has come round to 1 and the window starts there.
TEST(ArrayStatsTest, RingIsAsDrawn) {
  const ArrayStats partly = storeOf(3, {1.0f, 2.0f});
  const ArrayStats wrapped = storeOf(3, {1.0f, 2.0f, 3.0f, 4.0f});
  for (const auto& [store, items, nextSlot] :
       {std::tuple(&partly, std::vector<float>{1, 2, 0, 1, 2, 0}, 2U),
        std::tuple(&wrapped, std::vector<float>{4, 2, 3, 4, 2, 3}, 1U)}) {
    const ArrayStats::Ring ring = store->ring();
    EXPECT_EQ(std::vector<float>(ring.items.begin(), ring.items.end()), items);
    EXPECT_EQ(ring.nextSlot, nextSlot);
    EXPECT_EQ(ring.count, store == &partly ? 2 : 3);
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
// of the rising steps minus the others: first for the worked series and the ties of
// computeArrStats' test (whose outcomes show only in their bits), in a store that is filled once
// and in one that has wrapped, then for random series of many kinds (flat runs, NaN, infinities,
// arbitrary bit patterns).
TEST(ArrayStatsStatsTest, AgreesWithComputeArrStats) {
  for (const int earlier : {0, 3}) {
    for (const WorkedSeries& worked : workedSeries()) {
      EXPECT_EQ(statsDisagreement(worked.series, earlier), "") << worked.name;
    }
    for (const TieCase& tie : tieCases()) {
      EXPECT_EQ(statsDisagreement(tie.series, earlier), "") << testing::PrintToString(tie.series);
    }
  }

  std::mt19937 random(20261208);  // NOLINT(cert-msc32-c,cert-msc51-cpp): reproducible on purpose
  const float specials[] = {0.0f,
                            -0.0f,
                            1.0f,
                            std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::denorm_min(),
                            std::numeric_limits<float>::max()};
  for (int round = 0; round < 2000; ++round) {
    const int length = std::uniform_int_distribution<int>(1, 300)(random);
    const int kind = round % 3;
    std::vector<float> series(static_cast<std::size_t>(length));
    for (float& sample : series) {
      const auto draw = static_cast<std::uint32_t>(random());
      if (kind == 0) {
        sample = static_cast<float>(draw % 4);
      } else if (kind == 1) {
        sample = specials[draw % std::size(specials)];
      } else {
        sample = std::bit_cast<float>(draw);
      }
    }
    EXPECT_EQ(statsDisagreement(series, round % 7), "") << "round " << round;
  }
}

}  // namespace
