#include "arrStats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "statsTies.h"
#include "statsWorked.h"

namespace {

arrStatResult statsOf(const std::vector<float>& values) {
  arrStatResult out;
  computeArrStats(values.data(), static_cast<std::int32_t>(values.size()), &out);
  return out;
}

void expectNoSteps(const arrStatResult& out) {
  EXPECT_EQ(out.incCount, 0);
  EXPECT_EQ(out.decCount, 0);
  EXPECT_EQ(out.incSeqCount, 0);
  EXPECT_EQ(out.decSeqCount, 0);
  EXPECT_EQ(out.incMaxDiff, 0.0f);
  EXPECT_EQ(out.decMaxDiff, 0.0f);
}

TEST(ComputeReducersTest, EmptySeries) {
  EXPECT_EQ(computeMin(nullptr, 0), 0.0f);
  EXPECT_EQ(computeMax(nullptr, 0), 0.0f);
  EXPECT_TRUE(std::isnan(computeAvg(nullptr, 0)));
}

TEST(ComputeReducersTest, MaxIsFlooredAtZero) {
  const float values[] = {-5.0f, -2.0f, -9.0f};
  EXPECT_EQ(computeMin(values, 3), -9.0f);
  EXPECT_EQ(computeMax(values, 3), 0.0f);
  EXPECT_EQ(computeAvg(values, 3), -16.0f / 3.0f);
}

// Each partial sum is rounded to single precision: 2^24 + 1 rounds back to 2^24 twice, where a
// wider sum would reach 2^24 + 2 and a mean of 5592406.
TEST(ComputeReducersTest, AvgSumsInSinglePrecision) {
  const float values[] = {16777216.0f, 1.0f, 1.0f};
  EXPECT_EQ(computeAvg(values, 3), 5592405.5f);
}

TEST(ComputeArrStatsTest, SingleSample) {
  const arrStatResult positive = statsOf({2.5f});
  EXPECT_EQ(positive.min, 2.5f);
  EXPECT_EQ(positive.max, 2.5f);
  EXPECT_EQ(positive.mean, 2.5f);
  EXPECT_EQ(positive.diff, 0.0f);
  expectNoSteps(positive);

  const arrStatResult negative = statsOf({-3.0f});
  EXPECT_EQ(negative.min, -3.0f);
  EXPECT_EQ(negative.max, 0.0f);
  EXPECT_EQ(negative.mean, -3.0f);
  expectNoSteps(negative);
}

// The series worked by hand in statsWorked.h, which the store's test reads too.
TEST(ComputeArrStatsTest, WorkedSeries) {
  for (const WorkedSeries& worked : workedSeries()) {
    SCOPED_TRACE(worked.name);
    EXPECT_EQ(statsText(statsOf(worked.series)), statsText(worked.stats));
  }
}

// Which of two values that compare equal (or unordered) comes out shows only in its bits. The
// store's statistics must agree bit for bit (ArrayStats_test.cpp).
TEST(ComputeArrStatsTest, TiesKeepTheEarlierValueOrTheZeroStart) {
  for (const TieCase& tie : tieCases()) {
    SCOPED_TRACE(testing::PrintToString(tie.series));
    const auto count = static_cast<std::uint8_t>(tie.series.size());
    EXPECT_EQ(floatBits(computeMin(tie.series.data(), count)), floatBits(tie.min));
    EXPECT_EQ(floatBits(computeMax(tie.series.data(), count)), floatBits(tie.max));
    const arrStatResult out = statsOf(tie.series);
    EXPECT_EQ(floatBits(out.min), floatBits(tie.min));
    EXPECT_EQ(floatBits(out.max), floatBits(tie.max));
    EXPECT_EQ(floatBits(out.incMaxDiff), floatBits(0.0f));
    EXPECT_EQ(floatBits(out.decMaxDiff), floatBits(0.0f));
  }
}

// Nothing is read (the series is null) and a record full of old values comes back cleared.
TEST(ComputeArrStatsTest, NonPositiveCountClearsRecord) {
  for (const std::int32_t count : {0, -1, std::numeric_limits<std::int32_t>::min()}) {
    arrStatResult out = {.min = 1.0f,
                         .max = 2.0f,
                         .mean = 3.0f,
                         .incCount = 4,
                         .decCount = 5,
                         .incSeqCount = 6,
                         .decSeqCount = 7,
                         .diff = 8.0f,
                         .incMaxDiff = 9.0f,
                         .decMaxDiff = 10.0f};
    computeArrStats(nullptr, count, &out);
    EXPECT_EQ(out.min, 0.0f);
    EXPECT_EQ(out.max, 0.0f);
    EXPECT_EQ(out.mean, 0.0f);
    EXPECT_EQ(out.diff, 0.0f);
    expectNoSteps(out);
  }
}

// 300 samples 0, 1, -2, 3, -4, ..., -298, 299: extremes and steps lie past sample 44, where an
// 8-bit count (300 & 255 = 44) would have cut the reducers off.
TEST(ComputeArrStatsTest, CountAbove255CoversWholeSeries) {
  std::vector<float> values(300);
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = static_cast<float>(i % 2 == 1 ? static_cast<int>(i) : -static_cast<int>(i));
  }
  const arrStatResult out = statsOf(values);
  EXPECT_EQ(out.min, -298.0f);
  EXPECT_EQ(out.max, 299.0f);
  EXPECT_EQ(out.mean, 0.5f);
  EXPECT_EQ(out.diff, 299.0f);
  EXPECT_EQ(out.incCount, 150);
  EXPECT_EQ(out.decCount, 149);
  EXPECT_EQ(out.incSeqCount, 1);  // every rise and fall ends the other run
  EXPECT_EQ(out.decSeqCount, 1);
  EXPECT_EQ(out.incMaxDiff, 597.0f);
  EXPECT_EQ(out.decMaxDiff, 595.0f);
}

}  // namespace
