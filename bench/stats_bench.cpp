#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "ArrayStats.h"
#include "arrStats.h"

namespace {

std::vector<float> randomSeries(std::int64_t length) {
  std::mt19937 random(42);
  std::uniform_real_distribution<float> sample(0.0f, 100000.0f);
  std::vector<float> series(static_cast<std::size_t>(length));
  for (float& value : series) {
    value = sample(random);
  }
  return series;
}

// The floor: one in-order single-precision sum over the same samples, the least work that
// computing the mean takes, since its additions cannot be reordered.
void BM_InOrderSum(benchmark::State& state) {
  const std::vector<float> series = randomSeries(state.range(0));
  for (auto _ : state) {
    float sum = 0.0f;
    for (const float value : series) {
      sum += value;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ComputeArrStats(benchmark::State& state) {
  const std::vector<float> series = randomSeries(state.range(0));
  arrStatResult out;
  for (auto _ : state) {
    computeArrStats(series.data(), static_cast<std::int32_t>(series.size()), &out);
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The same samples in rising order, where a branch on a step's direction would always be guessed
// right: a scan with no such branch takes as long here as on the samples in random order.
void BM_ComputeArrStatsSorted(benchmark::State& state) {
  std::vector<float> series = randomSeries(state.range(0));
  std::ranges::sort(series);
  arrStatResult out;
  for (auto _ : state) {
    computeArrStats(series.data(), static_cast<std::int32_t>(series.size()), &out);
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ArrayStatsStats(benchmark::State& state) {
  const std::vector<float> series = randomSeries(state.range(0));
  ArrayStats store(static_cast<int>(series.size()));
  for (const float value : series) {
    store.add(value);
  }
  arrStat out;
  for (auto _ : state) {
    store.stats(&out);
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_InOrderSum)->Arg(255)->Arg(1000000);
BENCHMARK(BM_ComputeArrStats)->Arg(255)->Arg(1000000);
BENCHMARK(BM_ComputeArrStatsSorted)->Arg(1000000);
BENCHMARK(BM_ArrayStatsStats)->Arg(255)->Arg(1000000);

}  // namespace

BENCHMARK_MAIN();
