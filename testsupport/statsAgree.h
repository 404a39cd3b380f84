#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "ArrayStats.h"
#include "arrStats.h"

// The bit pattern of `value`: unlike ==, it tells -0.0 from 0.0 and finds a NaN equal to itself.
inline std::uint32_t floatBits(float value) {
  return std::bit_cast<std::uint32_t>(value);
}

// Pushes `series` through a store of the series' length after `earlier` samples 0, 1, 2, ...
// (so that, with earlier > 0, its ring has wrapped), and compares the store's statistics with
// computeArrStats' over the series: every shared field bit for bit, and the store's trend
// against its rising steps minus all its other steps. Returns the names of the fields that
// disagree, each after a blank, or "" when all agree.
inline std::string statsDisagreement(const std::vector<float>& series, int earlier) {
  const auto count = static_cast<std::int32_t>(series.size());
  ArrayStats store(count);
  for (int i = 0; i < earlier; ++i) {
    store.add(static_cast<float>(i));
  }
  for (const float sample : series) {
    store.add(sample);
  }
  arrStat fromStore;
  store.stats(&fromStore);
  arrStatResult fromSeries;
  computeArrStats(series.data(), count, &fromSeries);

  const auto same = [](float left, float right) { return floatBits(left) == floatBits(right); };
  const std::int32_t steps = count > 0 ? count - 1 : 0;
  const auto trend = static_cast<float>(fromStore.incCount - (steps - fromStore.incCount));
  std::string fields;
  fields += same(fromStore.min, fromSeries.min) ? "" : " min";
  fields += same(fromStore.max, fromSeries.max) ? "" : " max";
  fields += same(fromStore.mean, fromSeries.mean) ? "" : " mean";
  fields += fromStore.incCount == fromSeries.incCount ? "" : " incCount";
  fields += fromStore.decCount == fromSeries.decCount ? "" : " decCount";
  fields += fromStore.incSeqCount == fromSeries.incSeqCount ? "" : " incSeqCount";
  fields += fromStore.decSeqCount == fromSeries.decSeqCount ? "" : " decSeqCount";
  fields += same(fromStore.diff, fromSeries.diff) ? "" : " diff";
  fields += same(fromStore.trend, trend) ? "" : " trend";
  fields += same(fromStore.incMaxDiff, fromSeries.incMaxDiff) ? "" : " incMaxDiff";
  fields += same(fromStore.decMaxDiff, fromSeries.decMaxDiff) ? "" : " decMaxDiff";
  return fields;
}
