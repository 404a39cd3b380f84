#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "statsAgree.h"

// The input's bytes are a series of arbitrary float bit patterns, pushed through a store of
// the series' length after a few earlier samples (so that its ring has wrapped): its statistics
// must agree bit for bit with computeArrStats' over the same series. The unit test requires this
// of the worked series; the seeds in corpus/statsAgree_fuzz start the search from series of
// many kinds: whole numbers 0 to 3 (flat runs and ties, past 255 samples), every pair of
// special values (signed zeros, infinities, NaN, the smallest and largest floats) as
// neighbours, and arbitrary bit patterns. The last byte picks the earlier samples, 0 to 7.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const int earlier = provider.ConsumeIntegralInRange(0, 7);
  std::vector<float> series(provider.remaining_bytes() / sizeof(float));
  if (!series.empty()) {  // an empty vector's data() may be null, which memcpy must not get
    provider.ConsumeData(series.data(), series.size() * sizeof(float));
  }
  const std::string disagreement = statsDisagreement(series, earlier);
  if (!disagreement.empty()) {
    std::fprintf(stderr, "the implementations disagree on:%s\n", disagreement.c_str());
    std::abort();
  }
  return 0;
}
