#include "arrStats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "statsCases.h"

namespace {

arrStatResult statsOf(const std::vector<float>& values) {
  arrStatResult out;
  computeArrStats(values.data(), static_cast<std::int32_t>(values.size()), &out);
  return out;
}

TEST(ComputeReducersTest, EmptySeries) {
  EXPECT_EQ(computeMin(nullptr, 0), 0.0f);
  EXPECT_EQ(computeMax(nullptr, 0), 0.0f);
  EXPECT_TRUE(std::isnan(computeAvg(nullptr, 0)));
}

// The reducers give the minimum, maximum and mean of each series worked by hand in
// statsCases.h, compared as floatText writes them, so that a -0.0 or a NaN shows.
TEST(ComputeReducersTest, WorkedSeries) {
  for (const WorkedSeries& worked : workedSeries()) {
    SCOPED_TRACE(worked.name);
    const float* values = worked.series.data();
    const auto count = static_cast<std::uint8_t>(worked.series.size());
    EXPECT_EQ(floatText(computeMin(values, count)), floatText(worked.stats.min));
    EXPECT_EQ(floatText(computeMax(values, count)), floatText(worked.stats.max));
    EXPECT_EQ(floatText(computeAvg(values, count)), floatText(worked.stats.mean));
  }
}

// Every field of each worked series, which the store's test reads too.
TEST(ComputeArrStatsTest, WorkedSeries) {
  for (const WorkedSeries& worked : workedSeries()) {
    SCOPED_TRACE(worked.name);
    EXPECT_EQ(statsText(statsOf(worked.series)), statsText(worked.stats));
  }
}

// Nothing is read (the series is null) and a record full of old values comes back cleared.
TEST(ComputeArrStatsTest, NonPositiveCountClearsRecord) {
  for (const std::int32_t count : {0, -1, std::numeric_limits<std::int32_t>::min()}) {
    SCOPED_TRACE(count);
    EXPECT_TRUE(clearsEveryByte<arrStatResult>(
        [&](arrStatResult* out) { computeArrStats(nullptr, count, out); }));
  }
}

// 300 samples 0, 1, -2, 3, -4, ..., -298, 299: extremes and steps lie past sample 44, where an
// 8-bit count (300 & 255 = 44) would have cut the reducers off. Every rise and fall ends the
// other run, so both runs are 1 step long.
TEST(ComputeArrStatsTest, CountAbove255CoversWholeSeries) {
  std::vector<float> values(300);
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = static_cast<float>(i % 2 == 1 ? static_cast<int>(i) : -static_cast<int>(i));
  }
  EXPECT_EQ(statsText(statsOf(values)),
            statsText({-298.0f, 299.0f, 0.5f, 150, 149, 1, 1, 299.0f, 597.0f, 595.0f}));
}

}  // namespace
