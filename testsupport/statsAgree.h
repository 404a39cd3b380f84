#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "ArrayStats.h"
#include "arrStats.h"

// Compares the statistics of a store holding `count` samples with computeArrStats' over the same
// samples: every shared field bit for bit, and the store's trend against its rising steps minus
// all its other steps. Returns the names of the fields that disagree, or "" when all agree.
inline std::string statsDisagreement(const arrStat& store, const arrStatResult& series,
                                     std::int32_t count) {
  const auto bits = [](float value) {
    std::uint32_t word = 0;
    std::memcpy(&word, &value, sizeof word);
    return word;
  };
  const auto same = [&](float left, float right) { return bits(left) == bits(right); };
  const std::int32_t steps = count > 0 ? count - 1 : 0;
  const auto trend = static_cast<float>(store.incCount - (steps - store.incCount));
  std::string fields;
  fields += same(store.min, series.min) ? "" : " min";
  fields += same(store.max, series.max) ? "" : " max";
  fields += same(store.mean, series.mean) ? "" : " mean";
  fields += store.incCount == series.incCount ? "" : " incCount";
  fields += store.decCount == series.decCount ? "" : " decCount";
  fields += store.incSeqCount == series.incSeqCount ? "" : " incSeqCount";
  fields += store.decSeqCount == series.decSeqCount ? "" : " decSeqCount";
  fields += same(store.diff, series.diff) ? "" : " diff";
  fields += same(store.trend, trend) ? "" : " trend";
  fields += same(store.incMaxDiff, series.incMaxDiff) ? "" : " incMaxDiff";
  fields += same(store.decMaxDiff, series.decMaxDiff) ? "" : " decMaxDiff";
  return fields;
}
